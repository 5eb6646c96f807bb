package com.drovantel.tarvelo.bridge;

import static com.drovantel.tarvelo.bridge.CallFixtures.CDECL;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotEquals;

import com.drovantel.tarvelo.core.impl.jni.ArgumentBlock;
import com.drovantel.tarvelo.core.impl.jni.BufferNative;
import com.drovantel.tarvelo.core.impl.jni.DynamicLibraryNative;
import com.drovantel.tarvelo.core.impl.jni.MethodNative;
import java.io.File;
import org.junit.jupiter.api.AfterAll;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;

/** The C library's own functions called through the bridge. */
class LibcCallTest {
    private static long libc;
    private static long libm;

    @BeforeAll
    static void load() {
        Fixtures.load();
        libc = DynamicLibraryNative.load("libc.so.6", "libc.so.6");
        libm = DynamicLibraryNative.load("libm.so.6", "libm.so.6");
        assertNotEquals(0, libc);
        assertNotEquals(0, libm);
    }

    @AfterAll
    static void free() {
        DynamicLibraryNative.free(libc);
        DynamicLibraryNative.free(libm);
    }

    private static long function(long library, String name) {
        long address = MethodNative.find(library, name);
        assertNotEquals(0, address, name);
        return address;
    }

    /** Calls a cdecl int function of libc with one C string argument. */
    private static int callWithString(String name, String text) {
        long string = CallFixtures.newCString(text);
        try (ArgumentBlock block = new ArgumentBlock().putAddress(string)) {
            return MethodNative.callInt(function(libc, name), CDECL, block.address(), block.size());
        } finally {
            BufferNative.free(string, false);
        }
    }

    @ParameterizedTest(name = "{0}(\"{1}\")")
    @CsvSource({"strlen, '', 0", "strlen, a, 1", "strlen, native bridge, 13",
        "atoi, 123, 123", "atoi, '  -45xyz', -45", "atoi, abc, 0"})
    void functionOfACString(String name, String text, int expected) {
        assertEquals(expected, callWithString(name, text));
    }

    @ParameterizedTest(name = "open(\"{0}\", {1}) leaves errno {2}")
    @CsvSource({"/tarvelo-missing/file, 0, 2", "/, 1, 21"})
    void errnoOfAFailedCallOutlivesJavaCodeThatChangesErrno(String path, int flags, int expected) {
        long string = CallFixtures.newCString(path);
        try (ArgumentBlock block = new ArgumentBlock().putAddress(string).putInt(flags)) {
            assertEquals(-1, MethodNative.callInt(function(libc, "open"), CDECL, block.address(), block.size()));
        } finally {
            BufferNative.free(string, false);
        }
        // A path through a regular file: this thread's errno becomes ENOTDIR.
        assertFalse(new File(System.getProperty("tarvelo.jar"), "x").exists());
        assertEquals(expected, MethodNative.getLastErrno());
    }

    @ParameterizedTest
    @CsvSource({"42, 42", "-17, 17", "0, 0", "-2147483647, 2147483647"})
    void abs(int value, int expected) {
        try (ArgumentBlock block = ArgumentBlock.of(value)) {
            assertEquals(expected, MethodNative.callInt(function(libc, "abs"), CDECL, block.address(), block.size()));
        }
    }

    @ParameterizedTest
    @CsvSource({"2, 10, 1024", "9, 0.5, 3", "-2, 3, -8", "2, -2, 0.25"})
    void pow(double base, double exponent, double expected) {
        try (ArgumentBlock block = new ArgumentBlock().putDouble(base).putDouble(exponent)) {
            assertEquals(expected, MethodNative.callDouble(function(libm, "pow"), CDECL, block.address(), block.size()));
        }
    }

    @Test
    void snprintfWithVariadicArguments() {
        long buffer = BufferNative.malloc(64, false);
        long format = CallFixtures.newCString("%d|%.3f|%s|%lld|%g|%g|%g|%g|%g|%g|%g|%g");
        long text = CallFixtures.newCString("abc");
        try (ArgumentBlock block = new ArgumentBlock()) {
            // Variadic floating-point arguments are passed as doubles; on x86-64 the ninth is
            // past the vector registers.
            block.putAddress(buffer).putAddress(64).putAddress(format).putInt(-42).putDouble(2.5).putAddress(text)
                    .putLong(1L << 33);
            for (int i = 1; i <= 8; i++) {
                block.putDouble(i);
            }
            int written = MethodNative.callInt(function(libc, "snprintf"), CDECL, block.address(), block.size());
            String expected = "-42|2.500|abc|8589934592|1|2|3|4|5|6|7|8";
            assertEquals(expected.length(), written);
            assertEquals(expected, CallFixtures.readCString(buffer));
        } finally {
            BufferNative.free(buffer, false);
            BufferNative.free(format, false);
            BufferNative.free(text, false);
        }
    }
}

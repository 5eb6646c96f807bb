package com.drovantel.tarvelo.bridge;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.drovantel.tarvelo.core.impl.jni.DynamicLibraryNative;
import com.drovantel.tarvelo.core.impl.jni.MethodNative;
import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.function.LongSupplier;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.ValueSource;

class DynamicLibraryTest {
    private static final String FIXTURES = System.getProperty("tarvelo.fixtures");
    static final String MISSING = "/nonexistent/libtarvelo-missing.so";
    /** U+1F600, a character outside the Basic Multilingual Plane: four bytes in UTF-8. */
    private static final String GRINNING = "\uD83D\uDE00";

    @BeforeAll
    static void load() {
        Fixtures.load();
    }

    /** The loader's text for a path that does not exist. */
    static String notFound(String path) {
        return path + ": cannot open shared object file: No such file or directory";
    }

    /** Runs a load and returns what it wrote to native standard output; frees what it loaded. */
    private static String stdoutOf(LongSupplier load, long[] handle) {
        assertTrue(CallFixtures.beginStdoutCapture());
        String written;
        try {
            handle[0] = load.getAsLong();
        } finally {
            written = CallFixtures.endStdoutCapture();
        }
        if (handle[0] != 0) {
            DynamicLibraryNative.free(handle[0]);
        }
        return written;
    }

    @Test
    void preferredNameLoadsWithoutTouchingTheFallback() {
        long handle = DynamicLibraryNative.load(null, FIXTURES);
        assertNotEquals(0, handle);
        assertNotEquals(0, MethodNative.find(handle, "fixtureWords0"));
        assertFalse(DynamicLibraryNative.free(handle));
    }

    @Test
    void fallbackLoadsSilentlyWhenThePreferredNameFails() {
        long[] handle = new long[1];
        long preferred = DynamicLibraryNative.load(FIXTURES, FIXTURES);
        try {
            assertEquals("", stdoutOf(() -> DynamicLibraryNative.load(FIXTURES, MISSING), handle));
            assertEquals(preferred, handle[0], "the loader hands out one handle per library");
        } finally {
            DynamicLibraryNative.free(preferred);
        }
    }

    @Test
    void bothFailingPrintsExactlyTheTwoLoaderTextsInOrder() {
        long[] handle = new long[1];
        String fallback = MISSING.replace("missing", "fallback");
        String written = stdoutOf(() -> DynamicLibraryNative.load(fallback, MISSING), handle);
        assertEquals(0, handle[0]);
        assertEquals(notFound(MISSING) + "\n" + notFound(fallback) + "\n", written);
    }

    @ParameterizedTest
    @ValueSource(strings = {"/nonexistent/%s%n%x%p.so", "/nonexistent/100%.so", "/nonexistent/%%%n%n%n.so"})
    void percentSignsInAPathArePrintedVerbatim(String path) {
        long[] handle = new long[1];
        String written = stdoutOf(() -> DynamicLibraryNative.load(path, path), handle);
        assertEquals(notFound(path) + "\n" + notFound(path) + "\n", written);
    }

    @Test
    void freeOfALoadedLibrarySucceedsAndFreeOfNullReportsFailure() {
        long handle = DynamicLibraryNative.load(FIXTURES, FIXTURES);
        assertFalse(DynamicLibraryNative.free(handle));
        assertTrue(DynamicLibraryNative.free(0));
    }

    @Test
    void findOfAMissingNameReturnsZeroWithoutAnException() {
        assertEquals(0, MethodNative.find(CallFixtures.library(), "fixtureNoSuchFunction"));
    }

    @Test
    void findWithTheDefaultHandleSearchesTheGlobalScope() {
        assertNotEquals(0, MethodNative.find(0, "strlen"));
    }

    @Test
    void nullStringsRaiseNullPointerExceptionAndLoadNothing() {
        long[] handle = new long[1];
        assertThrows(NullPointerException.class, () -> DynamicLibraryNative.load(FIXTURES, null));
        String written = stdoutOf(() -> {
            assertThrows(NullPointerException.class, () -> handle[0] = DynamicLibraryNative.load(null, MISSING));
            return 0;
        }, handle);
        assertEquals("", written, "a null fallback is reported by the exception alone");
        assertThrows(NullPointerException.class, () -> MethodNative.find(CallFixtures.library(), null));
    }

    @Test
    void namesOutsideTheBasicPlaneReachTheLoaderAsUtf8() throws IOException {
        Path dir = Files.createTempDirectory("tarvelo-" + GRINNING);
        Path copy = Files.copy(Path.of(FIXTURES), dir.resolve("lib" + GRINNING + ".so"));
        try {
            long handle = DynamicLibraryNative.load(copy.toString(), copy.toString());
            assertNotEquals(0, handle);
            try {
                long words0 = MethodNative.find(handle, "fixtureWords0");
                assertNotEquals(0, words0);
                assertEquals(words0, MethodNative.find(handle, "fixture" + GRINNING), "an alias of fixtureWords0");
            } finally {
                DynamicLibraryNative.free(handle);
            }
        } finally {
            // Deleted by name: listing a directory fails under qemu-i386 on some file systems.
            Files.delete(copy);
            Files.delete(dir);
        }
    }

    /** Converted, such a name would reach the loader as a different name. */
    @ParameterizedTest
    @ValueSource(strings = {"\0x", "\ud83d", "\ude00x", "\ude00\ud83d"})
    void aNameHoldingU0000OrAnUnpairedSurrogateIsRefused(String inside) {
        long library = CallFixtures.library();
        assertThrows(IllegalArgumentException.class, () -> MethodNative.find(library, "fixtureWords0" + inside));
        assertThrows(IllegalArgumentException.class, () -> DynamicLibraryNative.load(FIXTURES, FIXTURES + inside));
    }
}

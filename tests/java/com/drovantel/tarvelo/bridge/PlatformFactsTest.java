package com.drovantel.tarvelo.bridge;

import static com.drovantel.tarvelo.core.impl.jni.TarveloNative.*;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;

import java.util.function.IntSupplier;
import java.util.stream.Stream;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.MethodSource;
import org.junit.jupiter.params.provider.ValueSource;

class PlatformFactsTest {
    @BeforeAll
    static void load() {
        Fixtures.load();
    }

    /** Each fact with its value on i386 and on x86-64. */
    static Stream<Arguments> facts() {
        return Stream.of(
                Arguments.of("address size", (IntSupplier) () -> getPlatformAddressSize(), 4, 8),
                Arguments.of("wchar_t size", (IntSupplier) () -> getWideCharTSize(), 4, 4),
                Arguments.of("jboolean", (IntSupplier) () -> getJBooleanAlignSize(), 1, 1),
                Arguments.of("jbyte", (IntSupplier) () -> getJByteAlignSize(), 1, 1),
                Arguments.of("jchar", (IntSupplier) () -> getJCharAlignSize(), 2, 2),
                Arguments.of("jshort", (IntSupplier) () -> getJShortAlignSize(), 2, 2),
                Arguments.of("jint", (IntSupplier) () -> getJIntAlignSize(), 4, 4),
                Arguments.of("jlong", (IntSupplier) () -> getJLongAlignSize(), 8, 8),
                Arguments.of("jfloat", (IntSupplier) () -> getJFloatAlignSize(), 4, 4),
                Arguments.of("jdouble", (IntSupplier) () -> getJDoubleAlignSize(), 8, 8));
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("facts")
    void factIsTheTargetsValueOnEveryCall(String name, IntSupplier fact, int onI386, int onX86_64) {
        int expected = Target.isI386() ? onI386 : onX86_64;
        for (int i = 0; i < 3; i++) {
            assertEquals(expected, fact.getAsInt(), name);
        }
    }

    @Test
    void architectureIsTheRunningJvmsOne() {
        // os.arch names the JVM's own target, which loaded this library: "i386" or "amd64".
        String expected = System.getProperty("os.arch").equals("amd64") ? "x86_64" : "i386";
        assertEquals(expected, getArchitecture());
        assertEquals(expected, getArchitecture());
    }

    @Test
    void platformIsNeitherMsvcNorMacNorWindows() {
        assertFalse(compiledWithMSVC());
        assertFalse(isMacOSX());
        assertFalse(isWindows());
    }

    @ParameterizedTest
    @ValueSource(ints = {0, 1, -1, Integer.MIN_VALUE, Integer.MAX_VALUE, 0x80000001, 0xDEADBEEF})
    void testFuncReturnsItsArgumentBitForBit(int value) {
        assertEquals(value, testFunc(value));
    }
}

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

    static Stream<Arguments> facts() {
        return Stream.of(
                Arguments.of("address size", (IntSupplier) () -> getPlatformAddressSize(), 4),
                Arguments.of("wchar_t size", (IntSupplier) () -> getWideCharTSize(), 4),
                Arguments.of("jboolean", (IntSupplier) () -> getJBooleanAlignSize(), 1),
                Arguments.of("jbyte", (IntSupplier) () -> getJByteAlignSize(), 1),
                Arguments.of("jchar", (IntSupplier) () -> getJCharAlignSize(), 2),
                Arguments.of("jshort", (IntSupplier) () -> getJShortAlignSize(), 2),
                Arguments.of("jint", (IntSupplier) () -> getJIntAlignSize(), 4),
                Arguments.of("jlong", (IntSupplier) () -> getJLongAlignSize(), 8),
                Arguments.of("jfloat", (IntSupplier) () -> getJFloatAlignSize(), 4),
                Arguments.of("jdouble", (IntSupplier) () -> getJDoubleAlignSize(), 8));
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("facts")
    void factIsTheI386ValueOnEveryCall(String name, IntSupplier fact, int expected) {
        for (int i = 0; i < 3; i++) {
            assertEquals(expected, fact.getAsInt(), name);
        }
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

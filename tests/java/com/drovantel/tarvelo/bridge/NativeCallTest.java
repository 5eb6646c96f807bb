package com.drovantel.tarvelo.bridge;

import static com.drovantel.tarvelo.bridge.CallFixtures.*;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;
import static org.junit.jupiter.api.Assumptions.assumeFalse;

import com.drovantel.tarvelo.core.impl.jni.ArgumentBlock;
import com.drovantel.tarvelo.core.impl.jni.MethodNative;
import java.util.stream.IntStream;
import java.util.stream.Stream;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.MethodSource;
import org.junit.jupiter.params.provider.ValueSource;

/** The MethodNative call natives against the fixture library's functions. */
class NativeCallTest {
    @BeforeAll
    static void load() {
        Fixtures.load();
    }

    /** One of the nine call natives, as a function of its four arguments. */
    interface CallNative {
        Object call(long address, int callingConvention, long argsAddress, long argsSize);
    }

    private static final CallNative CALL_BOOLEAN = MethodNative::callBoolean;
    private static final CallNative CALL_BYTE = MethodNative::callByte;
    private static final CallNative CALL_CHAR = MethodNative::callChar;
    private static final CallNative CALL_SHORT = MethodNative::callShort;
    private static final CallNative CALL_INT = MethodNative::callInt;

    /** The fixture function of a convention: name for cdecl, name + "Stdcall" for stdcall. */
    private static long fixture(String name, int convention) {
        return address(convention == CDECL ? name : name + "Stdcall");
    }

    static IntStream conventionsOfTarget() {
        return IntStream.of(conventions());
    }

    static Stream<Arguments> wordCounts() {
        return IntStream.rangeClosed(0, 12).boxed()
                .flatMap(n -> IntStream.of(conventions()).mapToObj(convention -> Arguments.of(n, convention)));
    }

    @ParameterizedTest(name = "{0} words, convention {1}")
    @MethodSource("wordCounts")
    void wordsArriveAsParametersInBlockOrder(int count, int convention) {
        int[] words = IntStream.range(0, count).map(i -> 0x10203 * (i + 1) ^ (i % 2 == 0 ? 0x80000000 : 0)).toArray();
        try (ArgumentBlock block = ArgumentBlock.of(words)) {
            int hash = MethodNative.callInt(fixture("fixtureWords" + count, convention), convention, block.address(),
                    block.size());
            assertEquals(wordsHash(words), hash);
        }
    }

    @ParameterizedTest
    @ValueSource(longs = {0x0000000100000002L, -1L, Long.MIN_VALUE, 0x7FFFFFFF80000000L, 0x123456789ABCDEF0L})
    void aLongArgumentIsTwoWordsLowWordFirst(long value) {
        assumeFalse(registerImage(), "i386 words and addresses");
        try (ArgumentBlock block = ArgumentBlock.of((int) value, (int) (value >>> 32))) {
            assertEquals((int) (value >>> 32),
                    MethodNative.callInt(address("fixtureHighWord"), CDECL, block.address(), block.size()));
            for (int convention : conventions()) {
                assertEquals(value, MethodNative.callLong(fixture("fixtureReturnLong", convention), convention,
                        block.address(), block.size()));
            }
        }
    }

    @ParameterizedTest
    @MethodSource("conventionsOfTarget")
    void intLongFloatAndDoubleArgumentsShareOneBlock(int convention) {
        try (ArgumentBlock block = new ArgumentBlock()) {
            block.putInt(3).putLong(1L << 40).putFloat(0.25f).putDouble(0.5);
            double result = MethodNative.callDouble(fixture("fixtureMixed", convention), convention, block.address(),
                    block.size());
            assertEquals(3 * 1000.0 + (1L << 40) + 0.25 * 10.0 + 0.5, result);
        }
    }

    static Stream<Arguments> narrowings() {
        return Stream.of(
                Arguments.of("boolean", CALL_BOOLEAN, 0x100, false),
                Arguments.of("boolean", CALL_BOOLEAN, 0x101, true),
                Arguments.of("boolean", CALL_BOOLEAN, 1, true),
                Arguments.of("boolean", CALL_BOOLEAN, 0, false),
                Arguments.of("byte", CALL_BYTE, 0xFF, (byte) -1),
                Arguments.of("byte", CALL_BYTE, 0x80, Byte.MIN_VALUE),
                Arguments.of("byte", CALL_BYTE, 0x17F, Byte.MAX_VALUE),
                Arguments.of("char", CALL_CHAR, 0xFFFF, (char) 65535),
                Arguments.of("char", CALL_CHAR, 0x12345, (char) 0x2345),
                Arguments.of("short", CALL_SHORT, 0xFFFF, (short) -1),
                Arguments.of("short", CALL_SHORT, 0x18000, Short.MIN_VALUE),
                Arguments.of("short", CALL_SHORT, 0xABCD7FFF, Short.MAX_VALUE),
                Arguments.of("int", CALL_INT, 0xFFFFFFFF, -1),
                Arguments.of("int", CALL_INT, 0x80000000, Integer.MIN_VALUE));
    }

    @ParameterizedTest(name = "{0} from the word {2}")
    @MethodSource("narrowings")
    void aWordResultIsNarrowedToTheNativesType(String type, CallNative call, int word, Object expected) {
        try (ArgumentBlock block = ArgumentBlock.of(word)) {
            for (int convention : conventions()) {
                assertEquals(expected, call.call(fixture("fixtureReturnWord", convention), convention, block.address(),
                        block.size()));
            }
        }
    }

    @ParameterizedTest
    @ValueSource(doubles = {Math.PI, -0.0, Double.MIN_VALUE, Double.MAX_VALUE, Double.NEGATIVE_INFINITY, Double.NaN,
        0x1.0000000000001p-1022})
    void doubleResultsComeBackBitForBit(double value) {
        try (ArgumentBlock block = new ArgumentBlock().putDouble(value)) {
            for (int convention : conventions()) {
                double result = MethodNative.callDouble(fixture("fixtureReturnDouble", convention), convention,
                        block.address(), block.size());
                assertEquals(Double.doubleToRawLongBits(value), Double.doubleToRawLongBits(result));
            }
        }
    }

    @ParameterizedTest
    @ValueSource(floats = {1.5f, -0.0f, Float.MIN_VALUE, Float.MAX_VALUE, Float.POSITIVE_INFINITY, Float.NaN})
    void floatResultsComeBackBitForBit(float value) {
        try (ArgumentBlock block = new ArgumentBlock().putFloat(value)) {
            for (int convention : conventions()) {
                float result = MethodNative.callFloat(fixture("fixtureReturnFloat", convention), convention,
                        block.address(), block.size());
                assertEquals(Float.floatToRawIntBits(value), Float.floatToRawIntBits(result));
            }
        }
    }

    @Test
    void floatingPointResultsStayExactWellPastTheEightX87Registers() {
        long returnDouble = address("fixtureReturnDouble");
        long returnFloat = address("fixtureReturnFloat");
        for (int i = 0; i < 24; i++) {
            double d = i + 0.125;
            float f = -i - 0.5f;
            try (ArgumentBlock doubles = new ArgumentBlock().putDouble(d);
                    ArgumentBlock floats = new ArgumentBlock().putFloat(f)) {
                assertEquals(d, MethodNative.callDouble(returnDouble, CDECL, doubles.address(), doubles.size()), "call " + i);
                assertEquals(f, MethodNative.callFloat(returnFloat, CDECL, floats.address(), floats.size()), "call " + i);
            }
        }
    }

    @ParameterizedTest
    @MethodSource("conventionsOfTarget")
    void aVoidCallRuns(int convention) {
        int value = 0x5EED0000 + convention;
        try (ArgumentBlock block = ArgumentBlock.of(value)) {
            MethodNative.callVoid(fixture("fixtureRecord", convention), convention, block.address(), block.size());
        }
        assertEquals(value, MethodNative.callInt(address("fixtureRecorded"), CDECL, 0, 0));
    }

    @ParameterizedTest(name = "{0} words")
    @ValueSource(ints = {0, 1, 2, 3, 4, 5, 6, 7, 8})
    void theStackIsSixteenByteAlignedAtTheCall(int words) {
        try (ArgumentBlock block = ArgumentBlock.of(new int[words])) {
            assertEquals(0, MethodNative.callInt(address("fixtureMisalignment"), CDECL, block.address(), block.size()));
        }
        if (registerImage()) {
            return;
        }
        try (ArgumentBlock block = ArgumentBlock.of(1, 2, 3)) {
            assertEquals(0, MethodNative.callInt(address("fixtureMisalignmentStdcall12"), STDCALL, block.address(),
                    block.size()));
        }
    }

    @Test
    void onlyTheLowWordsOfAddressesAndSizeCount() {
        assumeFalse(registerImage(), "i386 words and addresses");
        long high = 0xABCD0000_00000000L;
        try (ArgumentBlock block = ArgumentBlock.of(11, 22)) {
            assertEquals(wordsHash(11, 22), MethodNative.callInt(address("fixtureWords2") ^ high, CDECL,
                    block.address() ^ high, block.size() | high));
        }
    }

    @Test
    void addressesReachJavaSignExtended() {
        assumeFalse(registerImage(), "i386 words and addresses");
        long address = address("fixtureWords0");
        assertEquals((long) (int) address, address);
        assertEquals((long) (int) library(), library());
    }

    /** The fixture's resolver places this symbol at or above 2^31, wherever the library lies. */
    @Test
    void aSymbolAbove2To31ReachesJavaNegativeAndIsCalledByItsLowWord() {
        assumeFalse(registerImage(), "i386 words and addresses");
        long high = address("fixtureHighWords2");
        assertTrue(high < 0 && high == (int) high, "sign-extended: " + Long.toHexString(high));
        try (ArgumentBlock block = ArgumentBlock.of(11, 22)) {
            for (long function : new long[] {high, high & 0xFFFFFFFFL, high ^ 0x5A5A5A5A00000000L}) {
                assertEquals(wordsHash(11, 22), MethodNative.callInt(function, CDECL, block.address(), block.size()));
            }
        }
    }

    @ParameterizedTest
    @MethodSource("conventionsOfTarget")
    void anExceptionThrownByTheFunctionIsDiscardedAndTheResultIsZero(int convention) {
        try (ArgumentBlock block = ArgumentBlock.of(1, 2, 3)) {
            long thrower = convention == CDECL ? address("fixtureThrow") : address("fixtureThrowStdcall");
            long size = convention == CDECL ? 0 : block.size();
            assertEquals(0, MethodNative.callInt(thrower, convention, block.address(), size));
            // The unwound call left the thread's stack and registers fit for the next one.
            if (!registerImage()) {
                assertEquals(0, registerFaults(address("fixtureClobberStdcall12"), 12, STDCALL));
            }
            assertEquals(wordsHash(1, 2, 3),
                    MethodNative.callInt(address("fixtureWords3"), CDECL, block.address(), block.size()));
        }
    }
}

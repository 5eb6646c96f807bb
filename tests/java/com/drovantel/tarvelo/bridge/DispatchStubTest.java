package com.drovantel.tarvelo.bridge;

import static com.drovantel.tarvelo.bridge.CallFixtures.*;
import static org.junit.jupiter.api.Assertions.assertEquals;

import java.util.stream.Stream;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.CsvSource;
import org.junit.jupiter.params.provider.MethodSource;

/** The dispatch stub's contract below the Java natives: registers, stack, jvalue, x87. */
class DispatchStubTest {
    private static final long MARKER = 0x5A5A5A5A5A5A5A5AL;
    private static final long MARKER_HIGH = MARKER & 0xFFFFFFFF00000000L;
    private static final double CONSTANT_DOUBLE = -0x1.123456789ABCDp-1000;

    @BeforeAll
    static void load() {
        Fixtures.load();
    }

    @ParameterizedTest(name = "{0} with {1} bytes, convention {2}")
    @CsvSource({
        "fixtureClobber, 12, 0",
        "fixtureClobberStdcall12, 12, 1",
        "fixtureWords0, 0, 0",
        "fixtureWords0Stdcall, 0, 1",
        "fixtureWords1Stdcall, 4, 1",
        "fixtureWords10, 40, 0",
        "fixtureWords10Stdcall, 40, 1",
        "fixtureWords12Stdcall, 48, 1",
    })
    void everyRegisterAndTheStackPointerSurviveTheCall(String function, int argsSize, int convention) {
        Target.assumeI386("the probe plants i386 registers");
        assertEquals(0, registerFaults(address(function), argsSize, convention),
                "fault bits: EBX 1, ESI 2, EDI 4, EBP 8, ESP 0x10, EAX 0x20, ECX 0x40, EDX 0x80");
    }

    static Stream<Arguments> storedResults() {
        long word = 0x89ABCDEFL;
        return Stream.of(
                Arguments.of("fixtureConstantWord", VOID, MARKER),
                Arguments.of("fixtureConstantWord", BOOLEAN, MARKER_HIGH | word),
                Arguments.of("fixtureConstantWord", BYTE, MARKER_HIGH | word),
                Arguments.of("fixtureConstantWord", CHAR, MARKER_HIGH | word),
                Arguments.of("fixtureConstantWord", SHORT, MARKER_HIGH | word),
                Arguments.of("fixtureConstantWord", INT, MARKER_HIGH | word),
                Arguments.of("fixtureConstantWord", 0, MARKER_HIGH | word),
                Arguments.of("fixtureConstantWord", 10, MARKER_HIGH | word),
                Arguments.of("fixtureConstantWord", -1, MARKER_HIGH | word),
                Arguments.of("fixtureConstantLong", LONG, 0x0000000100000002L),
                Arguments.of("fixtureConstantFloat", FLOAT, MARKER_HIGH | Float.floatToRawIntBits(1.5f)),
                Arguments.of("fixtureConstantDouble", DOUBLE, Double.doubleToRawLongBits(CONSTANT_DOUBLE)),
                // The exception ends the call before anything is stored, and is discarded.
                Arguments.of("fixtureThrow", INT, MARKER));
    }

    @ParameterizedTest(name = "{0} as kind {1}")
    @MethodSource("storedResults")
    void eachKindStoresExactlyItsBytesOfTheJvalue(String function, int kind, long expected) {
        for (int convention : new int[] {CDECL, STDCALL}) {
            long stored = dispatchOverMarker(MARKER, address(function), kind, convention, 0, 0);
            assertEquals(Long.toHexString(expected), Long.toHexString(stored));
        }
    }

    @ParameterizedTest(name = "{0} as kind {1}")
    @CsvSource({
        "fixtureConstantWord, 1", "fixtureConstantWord, 2", "fixtureConstantWord, 3",
        "fixtureConstantWord, 4", "fixtureConstantWord, 5", "fixtureConstantWord, 6",
        "fixtureConstantLong, 7", "fixtureConstantFloat, 8", "fixtureConstantDouble, 9",
    })
    void theX87StackIsEmptyAfterEveryKind(String function, int kind) {
        Target.assumeI386("results on the x87 stack");
        long state = x87StateAround(address(function), kind, 0, 0);
        int top = 0x3800;
        int before = (int) (state >>> 32);
        int tags = (int) (state >>> 16) & 0xFFFF;
        int after = (int) state & 0xFFFF;
        assertEquals(0xFFFF, tags, "x87 registers in use: tag word " + Integer.toHexString(tags));
        assertEquals(before & top, after & top, "x87 stack top moved");
        // Stack fault (bit 6) and invalid operation (bit 0): set by a pop of an empty stack.
        assertEquals(0, after & 0x41, "x87 status word " + Integer.toHexString(after));
    }
}

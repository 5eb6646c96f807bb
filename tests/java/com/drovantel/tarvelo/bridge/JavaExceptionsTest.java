package com.drovantel.tarvelo.bridge;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.drovantel.tarvelo.core.TarveloNativeException;
import com.drovantel.tarvelo.core.TarveloWin32Exception;
import java.util.stream.Stream;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.function.Executable;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.MethodSource;
import org.junit.jupiter.params.provider.ValueSource;

class JavaExceptionsTest {
    private static final String MISSING = "com/drovantel/tarvelo/NoSuchException";
    private static final String CODED = "com/drovantel/tarvelo/bridge/ExceptionFixtures$CodedException";
    private static final String REFUSING = "com/drovantel/tarvelo/bridge/ExceptionFixtures$RefusingException";

    @BeforeAll
    static void load() {
        Fixtures.load();
    }

    @ParameterizedTest
    @ValueSource(strings = {"Error accessing native memory", "", "caf\u00e9 \u20ac \u0000 end"})
    void nativeExceptionCarriesItsMessage(String message) {
        TarveloNativeException e = assertThrows(TarveloNativeException.class,
                () -> ExceptionFixtures.throwNative(message));
        assertEquals(TarveloNativeException.class, e.getClass());
        assertEquals(message, e.getMessage());
    }

    @ParameterizedTest
    @ValueSource(ints = {0, 5, -1, -5, Integer.MIN_VALUE, Integer.MAX_VALUE})
    void win32ExceptionCarriesItsCodeUnchanged(int code) {
        TarveloWin32Exception e = assertThrows(TarveloWin32Exception.class,
                () -> ExceptionFixtures.throwWin32("failed", code));
        assertEquals("failed", e.getMessage());
        assertEquals(code, e.getErrorCode());
    }

    @Test
    void throwByNameRaisesTheNamedClass() {
        IllegalStateException e = assertThrows(IllegalStateException.class,
                () -> ExceptionFixtures.throwByName("java/lang/IllegalStateException", "by name"));
        assertEquals("by name", e.getMessage());
    }

    @Test
    void classNameGlobalIsReadAtEveryRaise() {
        IllegalStateException e = assertThrows(IllegalStateException.class,
                () -> ExceptionFixtures.throwNativeAs("java/lang/IllegalStateException", "redirected"));
        assertEquals("redirected", e.getMessage());
        ExceptionFixtures.CodedException coded = assertThrows(ExceptionFixtures.CodedException.class,
                () -> ExceptionFixtures.throwWin32As(CODED, "redirected", -7));
        assertEquals("redirected", coded.getMessage());
        assertEquals(-7, coded.code);
        // The fixture restored the globals.
        assertEquals(TarveloNativeException.class,
                assertThrows(TarveloNativeException.class, () -> ExceptionFixtures.throwNative("x")).getClass());
    }

    static Stream<Arguments> raisesOfAMissingClass() {
        return Stream.of(
                Arguments.of("ThrowNativeException", (Executable) () -> ExceptionFixtures.throwNativeAs(MISSING, "m")),
                Arguments.of("ThrowNativeWin32Exception",
                        (Executable) () -> ExceptionFixtures.throwWin32As(MISSING, "m", 1)),
                Arguments.of("ThrowByName", (Executable) () -> ExceptionFixtures.throwByName(MISSING, "m")));
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("raisesOfAMissingClass")
    void missingClassLeavesNoClassDefFoundErrorPending(String raise, Executable call) {
        NoClassDefFoundError e = assertThrows(NoClassDefFoundError.class, call);
        assertEquals(MISSING, e.getMessage());
    }

    @Test
    void classWithoutTheConstructorLeavesNoSuchMethodErrorPending() {
        // TarveloNativeException has (String) but not (String, int).
        assertThrows(NoSuchMethodError.class, () -> ExceptionFixtures.throwWin32As(
                "com/drovantel/tarvelo/core/TarveloNativeException", "m", 1));
    }

    @Test
    void constructorThatThrowsLeavesItsExceptionPending() {
        IllegalArgumentException e = assertThrows(IllegalArgumentException.class,
                () -> ExceptionFixtures.throwNativeAs(REFUSING, "m"));
        assertEquals("refused: m", e.getMessage());
    }

    @Test
    void checkExceptionSeesThePendingExceptionAndLeavesItPending() {
        TarveloNativeException e = assertThrows(TarveloNativeException.class,
                () -> ExceptionFixtures.raiseBetweenChecks("checked"));
        assertEquals("checked", e.getMessage());
        assertArrayEquals(new int[] {0, 1, 1}, ExceptionFixtures.lastChecks());
    }

    @Test
    void raiseWhileAnExceptionIsPendingKeepsTheFirst() {
        TarveloNativeException e = assertThrows(TarveloNativeException.class,
                ExceptionFixtures::raiseAllWhilePending);
        assertEquals("first", e.getMessage());
    }

    @ParameterizedTest(name = "raise {0}")
    @ValueSource(ints = {0, 1, 2})
    void raiseKeepsNoLocalReferenceToWhatItMade(int raise) {
        assertTrue(ExceptionFixtures.raisedObjectsCollected(raise));
    }
}

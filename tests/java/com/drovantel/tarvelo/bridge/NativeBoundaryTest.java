package com.drovantel.tarvelo.bridge;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertSame;
import static org.junit.jupiter.api.Assertions.assertThrows;

import java.util.stream.Stream;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.function.Executable;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.MethodSource;

class NativeBoundaryTest {
    private static final String UNKNOWN = "an unknown native exception escaped the native method";
    private static final String TEXT = "caf\u00e9 \u20ac \ud83d\ude00";

    static Stream<Arguments> nativeExceptions() {
        return Stream.of(
                Arguments.of("Java exception thrown as its proxy", (Executable) () -> BoundaryFixtures.parseInt("x"),
                        NumberFormatException.class, "For input string: \"x\""),
                Arguments.of("the same from a registered native",
                        (Executable) () -> BoundaryFixtures.parseIntRegistered("y"),
                        NumberFormatException.class, "For input string: \"y\""),
                Arguments.of("NativeppException",
                        (Executable) () -> BoundaryFixtures.fail(BoundaryFixtures.NATIVEPP_EXCEPTION, TEXT),
                        RuntimeException.class, TEXT + " (code 7)"),
                Arguments.of("std::exception",
                        (Executable) () -> BoundaryFixtures.fail(BoundaryFixtures.STANDARD_EXCEPTION, TEXT),
                        RuntimeException.class, TEXT),
                Arguments.of("an int", (Executable) () -> BoundaryFixtures.fail(BoundaryFixtures.INTEGER, "-"),
                        Error.class, UNKNOWN),
                Arguments.of("Java exception already pending",
                        (Executable) () -> BoundaryFixtures.fail(BoundaryFixtures.ALREADY_PENDING, "pending"),
                        IllegalStateException.class, "pending"),
                Arguments.of("call on an empty proxy",
                        (Executable) () -> BoundaryFixtures.fail(BoundaryFixtures.EMPTY_PROXY, "key"),
                        NullPointerException.class, "the java.util.Properties proxy holds no object"),
                Arguments.of("proxy of an object that is no throwable",
                        (Executable) () -> BoundaryFixtures.fail(BoundaryFixtures.PROXY_OF_NO_THROWABLE, "-"),
                        Error.class, UNKNOWN + ": a proxy of java.lang.String"));
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("nativeExceptions")
    void eachNativeExceptionArrivesAsItsJavaException(String what, Executable call,
            Class<? extends Throwable> type, String message) {
        Throwable thrown = assertThrows(Throwable.class, call);
        assertEquals(type, thrown.getClass());
        assertEquals(message, thrown.getMessage());
    }

    @Test
    void aThrownProxyArrivesAsTheVeryJavaObject() {
        IllegalStateException given = new IllegalStateException("given");
        assertSame(given, assertThrows(IllegalStateException.class, () -> BoundaryFixtures.throwProxyOf(given)));
    }

    @Test
    void withoutExceptionTheBodysResultReturns() {
        assertEquals(42, BoundaryFixtures.parseInt("42"));
        assertEquals(-5, BoundaryFixtures.parseIntRegistered("-5"));
        assertEquals("Hello, Ada", BoundaryFixtures.greet("Ada"));
        assertNull(BoundaryFixtures.greet(null));
        BoundaryFixtures.fail(BoundaryFixtures.NOTHING, "-");
    }
}

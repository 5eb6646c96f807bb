package com.drovantel.tarvelo.bridge;

/** JNI helpers, in the fixture library, that call the library's raise functions. */
final class ExceptionFixtures {
    private ExceptionFixtures() {}

    static native void throwNative(String message);
    static native void throwWin32(String message, int code);
    static native void throwByName(String className, String message);
    /** Raises through ThrowNativeException with its class-name global pointing at className. */
    static native void throwNativeAs(String className, String message);
    /** Raises through ThrowNativeWin32Exception with its class-name global pointing at className. */
    static native void throwWin32As(String className, String message, int code);
    /** Raises, calling checkException before and twice after; see lastChecks. */
    static native void raiseBetweenChecks(String message);
    static native int[] lastChecks();
    /** Calls every raise function while the first raise ("first") is pending. */
    static native void raiseAllWhilePending();
    /**
     * Raises (0 ThrowNativeException, 1 ThrowNativeWin32Exception, 2 ThrowByName), clears and
     * collects garbage in one native frame; true when the exception and its message are gone.
     */
    static native boolean raisedObjectsCollected(int raise);

    /** An exception class with the (String, int) constructor of a raise with a code. */
    public static final class CodedException extends RuntimeException {
        private static final long serialVersionUID = 1L;

        final int code;

        public CodedException(String message, int code) {
            super(message);
            this.code = code;
        }
    }

    /** An exception class whose (String) constructor itself throws. */
    public static final class RefusingException extends RuntimeException {
        private static final long serialVersionUID = 1L;

        public RefusingException(String message) {
            throw new IllegalArgumentException("refused: " + message);
        }
    }
}

package com.drovantel.tarvelo.core;

/** Raised by native code with an operating-system error code. */
public class TarveloWin32Exception extends TarveloNativeException {
    private static final long serialVersionUID = 1L;

    private final int errorCode;

    public TarveloWin32Exception(String message, int errorCode) {
        super(message);
        this.errorCode = errorCode;
    }

    public int getErrorCode() {
        return errorCode;
    }
}

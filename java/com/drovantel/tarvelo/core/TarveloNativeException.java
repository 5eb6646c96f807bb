package com.drovantel.tarvelo.core;

/** Raised by the native library when a native operation fails. */
public class TarveloNativeException extends RuntimeException {
    private static final long serialVersionUID = 1L;

    public TarveloNativeException(String message) {
        super(message);
    }
}

package com.drovantel.tarvelo.core.impl.jni;

/**
 * Registers Java callbacks that native code reaches through the exported entry points
 * onCallVoid ... onCallPointer. The callback methods ({@code onCallInt(long args)} and so on)
 * are looked up in the class of the object on which {@link #registerInDLL} is called.
 */
public class CallbackStateManagerNative {
    public CallbackStateManagerNative() {}

    /**
     * Registers the referent of {@code referenceObject} (a java.lang.ref.Reference) for native
     * callers of the entry point of {@code typeIndex} (1 void ... 10 pointer).
     *
     * @return the handle that native callers pass to the entry point
     */
    public native long registerInDLL(Object referenceObject, int typeIndex, int extra);

    /** Releases a callback; 1 when one was released, 0 for the handle 0. */
    public static native int unregisterInDLL(long handle);
}

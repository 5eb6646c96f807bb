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

    /**
     * A C function pointer for a registered callback: C code calls it with the platform's C
     * convention (on i386 cdecl for {@code callingConvention} 0, otherwise stdcall), and the
     * callback's method receives the caller's arguments as the argument block of a
     * {@link MethodNative} call with {@code argsSize} bytes, laid out as {@link ArgumentBlock}
     * does. On x86-64 {@code argsSize} tells how many stack slots the thunk copies after the
     * register image; on i386 a stdcall thunk removes {@code argsSize} bytes on return. The
     * thunk comes from a fixed pool of 1024, and its result returns in the register of the
     * callback's type. The callback must stay registered until the thunk is freed.
     *
     * @throws com.drovantel.tarvelo.core.TarveloNativeException for the handle 0, a size that
     *     is no block size, or when every thunk is in use
     */
    public static native long makeThunk(long handle, int callingConvention, long argsSize);

    /**
     * Frees a thunk from {@link #makeThunk} for reuse; 1 when one was freed, 0 for the address
     * 0. No C code may call the thunk from then on.
     *
     * @throws com.drovantel.tarvelo.core.TarveloNativeException for an address that is no
     *     thunk in use
     */
    public static native int freeThunk(long thunk);
}

package com.drovantel.tarvelo.core.impl.jni;

/**
 * Finds exported functions and calls native function pointers. The argsSize bytes at
 * argsAddress are the function's arguments as {@link ArgumentBlock} lays them out for the
 * running platform. On i386 callingConvention is 0 for cdecl and any other value for stdcall;
 * x86-64 has one convention and ignores it.
 */
public final class MethodNative {
    private MethodNative() {}

    /** The address of the exported symbol name in a loaded library, or 0 when it is missing. */
    public static native long find(long handle, String name);

    public static native void callVoid(long address, int callingConvention, long argsAddress, long argsSize);
    public static native boolean callBoolean(long address, int callingConvention, long argsAddress, long argsSize);
    public static native byte callByte(long address, int callingConvention, long argsAddress, long argsSize);
    public static native char callChar(long address, int callingConvention, long argsAddress, long argsSize);
    public static native short callShort(long address, int callingConvention, long argsAddress, long argsSize);
    public static native int callInt(long address, int callingConvention, long argsAddress, long argsSize);
    public static native long callLong(long address, int callingConvention, long argsAddress, long argsSize);
    public static native float callFloat(long address, int callingConvention, long argsAddress, long argsSize);
    public static native double callDouble(long address, int callingConvention, long argsAddress, long argsSize);

    /**
     * errno as the function of the last call native on this thread left it, saved before any
     * other code ran; 0 before the first call.
     */
    public static native int getLastErrno();
}

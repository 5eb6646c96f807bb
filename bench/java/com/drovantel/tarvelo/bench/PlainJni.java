package com.drovantel.tarvelo.bench;

import java.util.function.IntUnaryOperator;

/** Dedicated JNI natives: the floor that every scenario is compared with. */
final class PlainJni {
    private PlainJni() {}

    static native int add(int a, int b);
    static native double mix(int a, double b, int c, double d, int e, double f, int g, double h);
    /** Same signature as MethodNative.callInt; calls a function of two ints through a pointer. */
    static native int callInt(long address, int callingConvention, long argsAddress, long argsSize);
    static native int getInt(long address);
    static native void setInt(long address, int value);
    static native void getIntArray(long address, int[] array);
    static native int upcallLoop(IntUnaryOperator target, int count);
}

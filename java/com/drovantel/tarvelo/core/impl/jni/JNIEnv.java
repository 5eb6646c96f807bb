package com.drovantel.tarvelo.core.impl.jni;

/** JNI global references that keep Java objects reachable from native code. */
public final class JNIEnv {
    private JNIEnv() {}

    /** A global reference to {@code obj} as a 32-bit handle; 0 for null. */
    public static native int NewGlobalRef(Object obj);

    /** Releases a handle from {@link #NewGlobalRef}; 0 is ignored. */
    public static native void DeleteGlobalRef(int handle);
}

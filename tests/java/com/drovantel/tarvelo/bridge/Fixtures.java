package com.drovantel.tarvelo.bridge;

import java.util.concurrent.atomic.AtomicInteger;

/** Loads the library and the native test fixtures, and declares the fixtures' JNI helpers. */
public final class Fixtures {
    static {
        System.loadLibrary("tarvelo");
        System.load(System.getProperty("tarvelo.fixtures"));
    }

    private Fixtures() {}

    /** Makes sure both libraries are loaded. */
    public static void load() {}

    static native int jniOnLoad(int reserved);
    static native boolean getJNIEnvIsCallers();
    static native boolean vmKeptAfterUnload();
    static native int attachNativeThreads(Class<?> callbackClass, int count, boolean bindingLayer);

    static final AtomicInteger nonDaemonCallbacks = new AtomicInteger();

    /** Called back from native threads by attachNativeThreads. */
    static void onNativeThread() {
        if (!Thread.currentThread().isDaemon()) {
            nonDaemonCallbacks.incrementAndGet();
        }
    }
}

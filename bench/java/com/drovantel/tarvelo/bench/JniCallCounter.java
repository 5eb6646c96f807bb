package com.drovantel.tarvelo.bench;

/**
 * Counts the JNI functions that the calling thread calls between start and stop, through a
 * forwarding function table in the bench library (JVMTI's table interception). Entering and
 * leaving a native method is not a JNI function call; neither is JavaVM's GetEnv.
 */
final class JniCallCounter {
    private JniCallCounter() {}

    static {
        // Links the natives now: the virtual machine's first lookup of a native calls JNI
        // functions itself, which would be counted on the scenario in which it happens.
        stop();
        calledFunctions(1);
    }

    /** False, with a line on stderr, when the virtual machine does not allow it. */
    static native boolean start();

    /** The calls since start, or -1. */
    static native long stop();

    /** The functions of the last count with their calls per operation, e.g. "CallIntMethod 1". */
    static native String calledFunctions(long operations);
}

package com.drovantel.tarvelo.bridge;

import java.lang.ref.Reference;

/** Native callers of the callback entry points and of the exported library lookup. */
final class CallbackFixtures {
    private CallbackFixtures() {}

    /**
     * Calls the entry point of {@code typeIndex} once on this thread and returns the registers
     * it answered in: a 32-bit result zero-extended, a float or double as its raw bits.
     */
    static native long callEntry(int typeIndex, long handle, long block);

    /**
     * Calls onCallInt with the stack 4 bytes off 16-byte alignment. High word: how far the
     * stack pointer moved over the call (0 when the entry point removed its arguments); low
     * word: the result.
     */
    static native long callIntMisaligned(long handle, long block);

    /** onCallInt twice in a row on this thread; the second result. */
    static native int callIntTwice(long handle, long block);

    /** onCallInt while the bridge knows no virtual machine. */
    static native int callIntWithoutVirtualMachine(long handle, long block);

    /**
     * {@code threads} new native threads call onCallInt at once, {@code calls} times each,
     * thread i with the block {@code block + i}; the callback must answer with the low 32 bits
     * of the block address. Returns how many threads got every answer right, were attached on
     * their first callback and stayed attached with one environment.
     */
    static native int callIntOnNativeThreads(long handle, long block, int threads, int calls);

    /**
     * One new native thread calls onCallInt {@code warmUp} times, then {@code windows} times
     * {@code calls} times more; returns the smallest growth in bytes of the C heap in use over
     * one window, or Long.MIN_VALUE when an answer was not the low 32 bits of the block address.
     */
    static native long cHeapGrowthOverCallbacks(long handle, long block, int warmUp, int windows, int calls);

    /** Registers any object as the library object, without the Java declaration's checks. */
    static native void registerLibraryObject(Object object);

    /** A findExportedMethodAddress answer that differed between lookups of one name. */
    static final long DISAGREEMENT = 0x0BADBAD0BADBAD0L;

    /**
     * The exported findExportedMethodAddress, {@code repeat} times on this thread (threads 0)
     * or on each of that many new native threads at once; their common answer.
     */
    static native long findExportedMethodAddress(String name, int threads, int repeat);

    /** The exported findExportedMethodAddress once, with the name as these bytes. */
    static native long findExportedMethodAddressOfBytes(byte[] name);

    /** Runs the collector until {@code reference} is cleared; false if it never is. */
    static boolean collected(Reference<?> reference) {
        for (int i = 0; i < 50 && reference.get() != null; i++) {
            System.gc();
            try {
                Thread.sleep(10);
            } catch (InterruptedException e) {
                Thread.currentThread().interrupt();
            }
        }
        return reference.get() == null;
    }
}

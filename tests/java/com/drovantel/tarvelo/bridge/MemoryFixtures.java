package com.drovantel.tarvelo.bridge;

/** Native helpers, in the fixture library, for the native-memory tests. */
final class MemoryFixtures {
    private MemoryFixtures() {}

    /** A 4096-byte page at or above 2^31 (negative), or 0. */
    static native long highPage();
    /** A block from the C library's malloc. */
    static native long cMalloc(int size);
    /** BufferNative.getBoolean called from native code: the jboolean byte it returns. */
    static native int getBooleanByte(long address, long offset);
    /** BufferNative.setBoolean called from native code with any jboolean byte. */
    static native void setBooleanByte(long address, long offset, int value);
    /** Frees a block with the C library's free. */
    static native void cFree(long address);
}

package com.drovantel.tarvelo.core.impl.jni;

/**
 * Native memory: allocation, reads and writes of each primitive type, C string lengths, block
 * copies and bulk array transfers. Addresses use their low 32 bits on a 32-bit platform; offsets
 * count bytes for scalars and elements for arrays. An access through a null address raises
 * {@link com.drovantel.tarvelo.core.TarveloNativeException}.
 */
public final class BufferNative {
    private BufferNative() {}

    /** A zero-filled block of {@code size} bytes, or 0 when it cannot be allocated. */
    public static native long malloc(long size, boolean zeroed);
    public static native void free(long address, boolean zeroed);
    /** The resized block, or 0 with the old block untouched; size 0 keeps a valid block. */
    public static native long realloc(long address, long size);

    public static native boolean getBoolean(long address, long offset);
    public static native byte getByte(long address, long offset);
    public static native char getChar(long address, long offset);
    public static native short getShort(long address, long offset);
    public static native int getInt(long address, long offset);
    public static native long getLong(long address, long offset);
    public static native float getFloat(long address, long offset);
    public static native double getDouble(long address, long offset);

    public static native void setBoolean(long address, long offset, boolean value);
    public static native void setByte(long address, long offset, byte value);
    public static native void setChar(long address, long offset, char value);
    public static native void setShort(long address, long offset, short value);
    public static native void setInt(long address, long offset, int value);
    public static native void setLong(long address, long offset, long value);
    public static native void setFloat(long address, long offset, float value);
    public static native void setDouble(long address, long offset, double value);

    /** Bytes before the first zero byte. */
    public static native int getStringLength(long address, long offset);
    /** wchar_t units before the first zero unit. */
    public static native int getStringUnicodeLength(long address, long offset);
    /** Copies {@code length} bytes from {@code sourceAddress} to {@code address + offset}; ranges may overlap. */
    public static native void copyFrom(long address, long offset, long sourceAddress, long length);

    /**
     * A direct buffer over the {@code size} bytes at {@code address}, through which Java code
     * reads and writes the block without a native call. It is a view, not a copy: it does not
     * own the block and must not be used once the block is freed. Its byte order is
     * big-endian, as for every new buffer; set {@code ByteOrder.nativeOrder()} to read values as
     * the scalar accessors store them. A null address, or a size that is not from 1 to
     * {@code Integer.MAX_VALUE} or runs past the end of the address space, raises
     * {@link com.drovantel.tarvelo.core.TarveloNativeException}.
     */
    public static native java.nio.ByteBuffer newDirectByteBuffer(long address, long size);

    /** Native memory at {@code offset} elements past {@code address} into {@code array[start..start+length)}. */
    public static native void getBooleanArray(long address, long offset, boolean[] array, int start, int length);
    public static native void getByteArray(long address, long offset, byte[] array, int start, int length);
    public static native void getCharArray(long address, long offset, char[] array, int start, int length);
    public static native void getShortArray(long address, long offset, short[] array, int start, int length);
    public static native void getIntArray(long address, long offset, int[] array, int start, int length);
    public static native void getLongArray(long address, long offset, long[] array, int start, int length);
    public static native void getFloatArray(long address, long offset, float[] array, int start, int length);
    public static native void getDoubleArray(long address, long offset, double[] array, int start, int length);

    /** {@code array[start..start+length)} into native memory at {@code offset} elements past {@code address}. */
    public static native void setBooleanArray(long address, long offset, boolean[] array, int start, int length);
    public static native void setByteArray(long address, long offset, byte[] array, int start, int length);
    public static native void setCharArray(long address, long offset, char[] array, int start, int length);
    public static native void setShortArray(long address, long offset, short[] array, int start, int length);
    public static native void setIntArray(long address, long offset, int[] array, int start, int length);
    public static native void setLongArray(long address, long offset, long[] array, int start, int length);
    public static native void setFloatArray(long address, long offset, float[] array, int start, int length);
    public static native void setDoubleArray(long address, long offset, double[] array, int start, int length);
}

package com.drovantel.tarvelo.bridge;

import com.drovantel.tarvelo.core.impl.jni.BufferNative;
import java.nio.charset.StandardCharsets;

/**
 * A native block of argument words as a called function reads its stack parameters, first
 * parameter at the lowest address; written with BufferNative, freed on close.
 */
final class ArgumentBlock implements AutoCloseable {
    private static final int CAPACITY = 256;

    final long address = BufferNative.malloc(CAPACITY, false);
    private int size;

    static ArgumentBlock of(int... words) {
        ArgumentBlock block = new ArgumentBlock();
        for (int word : words) {
            block.putInt(word);
        }
        return block;
    }

    /** The number of bytes written so far: the argsSize of a call. */
    long size() {
        return size;
    }

    ArgumentBlock putInt(int value) {
        BufferNative.setInt(address, reserve(4), value);
        return this;
    }

    /** A native address argument: one word on this platform. */
    ArgumentBlock putAddress(long value) {
        return putInt((int) value);
    }

    /** Two words, low word first, as the i386 ABI passes a 64-bit integer. */
    ArgumentBlock putLong(long value) {
        BufferNative.setLong(address, reserve(8), value);
        return this;
    }

    ArgumentBlock putFloat(float value) {
        BufferNative.setFloat(address, reserve(4), value);
        return this;
    }

    ArgumentBlock putDouble(double value) {
        BufferNative.setDouble(address, reserve(8), value);
        return this;
    }

    private int reserve(int bytes) {
        if (address == 0 || size + bytes > CAPACITY) {
            throw new IllegalStateException("argument block full or not allocated");
        }
        int offset = size;
        size += bytes;
        return offset;
    }

    @Override
    public void close() {
        BufferNative.free(address, false);
    }

    /** A zero-terminated copy of text in native memory; the caller frees it with BufferNative. */
    static long newCString(String text) {
        byte[] bytes = text.getBytes(StandardCharsets.UTF_8);
        long string = BufferNative.malloc(bytes.length + 1, false);
        BufferNative.setByteArray(string, 0, bytes, 0, bytes.length);
        return string;
    }

    /** The zero-terminated text at address. */
    static String readCString(long address) {
        byte[] bytes = new byte[BufferNative.getStringLength(address, 0)];
        BufferNative.getByteArray(address, 0, bytes, 0, bytes.length);
        return new String(bytes, StandardCharsets.UTF_8);
    }
}

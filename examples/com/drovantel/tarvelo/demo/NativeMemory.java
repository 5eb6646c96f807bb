package com.drovantel.tarvelo.demo;

import static com.drovantel.tarvelo.core.impl.jni.BufferNative.*;

import com.drovantel.tarvelo.core.TarveloNativeException;
import com.drovantel.tarvelo.core.impl.jni.TarveloNative;
import java.util.Arrays;

/** Native memory: a block, each primitive type in it, a C string, arrays, a bad address. */
final class NativeMemory {
    private NativeMemory() {}

    static void show() {
        Demo.heading("Native memory");
        long block = malloc(64, true);
        // A pointer is the long's low 32 bits on i386, all of it on x86-64.
        long pointer = TarveloNative.getPlatformAddressSize() == 8 ? block : block & 0xFFFFFFFFL;
        System.out.printf("malloc(64) = 0x%08X (as a Java long: %d)%n", pointer, block);
        try {
            scalars(block);
            strings(block);
            arrays(block);
        } finally {
            free(block, true);
        }
        try {
            getInt(0, 0);
        } catch (TarveloNativeException e) {
            System.out.println("getInt(0, 0) raised " + e.getClass().getSimpleName() + ": " + e.getMessage());
        }
    }

    private static void scalars(long block) {
        setBoolean(block, 0, true);
        setByte(block, 1, (byte) -7);
        setChar(block, 2, 'J');
        setShort(block, 4, (short) -1234);
        setInt(block, 8, 0xCAFEBABE);
        setLong(block, 16, 0x0123456789ABCDEFL);
        setFloat(block, 24, 2.5f);
        setDouble(block, 32, Math.E);
        System.out.printf("boolean %b, byte %d, char %c, short %d, int 0x%08X, long 0x%016X, float %s, double %s%n",
                getBoolean(block, 0), getByte(block, 1), getChar(block, 2), getShort(block, 4),
                getInt(block, 8), getLong(block, 16), getFloat(block, 24), getDouble(block, 32));
        System.out.printf("the float 2.5 as int bits: 0x%08X; the int at offset 9 (unaligned): 0x%08X%n",
                getInt(block, 24), getInt(block, 9));
    }

    private static void strings(long block) {
        byte[] text = "native\0".getBytes();
        setByteArray(block, 40, text, 0, text.length);
        System.out.printf("C string \"native\": getStringLength = %d%n", getStringLength(block, 40));
    }

    private static void arrays(long block) {
        setIntArray(block, 0, new int[] {10, 20, 30, 40}, 0, 4);
        int[] back = new int[3];
        getIntArray(block, 1, back, 0, 3);  // offset 1 counts ints: bytes 4 to 15
        System.out.println("setIntArray {10, 20, 30, 40}, getIntArray from element 1: " + Arrays.toString(back));
        long copy = malloc(16, false);
        copyFrom(copy, 0, block, 16);
        System.out.printf("copyFrom 16 bytes, int 3 of the copy: %d%n", getInt(copy, 12));
        free(copy, false);
    }
}

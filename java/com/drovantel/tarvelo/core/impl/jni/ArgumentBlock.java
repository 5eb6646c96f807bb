package com.drovantel.tarvelo.core.impl.jni;

/**
 * The argument block of one call through {@link MethodNative}, laid out for the platform the
 * library was built for, in native memory from {@link BufferNative}, freed by {@link #close()}.
 * Arguments are added in parameter order.
 *
 * <p>On i386 the block is the stack arguments as 32-bit words, first parameter lowest: an int,
 * float or address takes one word, a long or double two, low word first.
 *
 * <p>On x86-64 it is a register image followed by the stack arguments: bytes 0-47 hold RDI, RSI,
 * RDX, RCX, R8 and R9, bytes 48-111 XMM0 to XMM7 (a float in the low 4 bytes of its slot), and
 * from byte 112 one 8-byte slot per stack argument, the first lowest. An int, long or address
 * takes the next integer register, a float or double the next XMM register, and once those are
 * used up the next stack slot. The size is 0 without arguments, else 112 plus the slots.
 */
public final class ArgumentBlock implements AutoCloseable {
    private static final int INTEGER_REGISTERS = 6;
    private static final int VECTOR_REGISTERS = 8;
    private static final int VECTOR_IMAGE = 8 * INTEGER_REGISTERS;
    private static final int REGISTER_IMAGE = VECTOR_IMAGE + 8 * VECTOR_REGISTERS;
    private static final int INITIAL_CAPACITY = 256;

    private static volatile Boolean registerImage;

    private final boolean registerImageLayout = usesRegisterImage();
    private long address;
    private long capacity;
    private int integers;
    private int vectors;
    private int arguments;
    /** i386: bytes of words; x86-64: bytes of stack slots after the register image. */
    private long stackBytes;

    /** An empty block; throws OutOfMemoryError when no native memory can be had. */
    public ArgumentBlock() {
        capacity = registerImageLayout ? REGISTER_IMAGE + INITIAL_CAPACITY : INITIAL_CAPACITY;
        address = BufferNative.malloc(capacity, true);
        if (address == 0) {
            throw new OutOfMemoryError("no native memory for an argument block");
        }
    }

    /** A block of int arguments, in order. */
    public static ArgumentBlock of(int... values) {
        ArgumentBlock block = new ArgumentBlock();
        for (int value : values) {
            block.putInt(value);
        }
        return block;
    }

    /** True when the library lays blocks out as the x86-64 register image. */
    public static boolean usesRegisterImage() {
        Boolean known = registerImage;
        if (known == null) {
            known = "x86_64".equals(TarveloNative.getArchitecture());
            registerImage = known;
        }
        return known;
    }

    /** The block's native address, the argsAddress of a call; it may change as arguments are added. */
    public long address() {
        return address;
    }

    /** The argsSize of a call. */
    public long size() {
        if (!registerImageLayout) {
            return stackBytes;
        }
        return arguments == 0 ? 0 : REGISTER_IMAGE + stackBytes;
    }

    public ArgumentBlock putInt(int value) {
        if (!registerImageLayout) {
            BufferNative.setInt(address, reserveStack(4), value);
            return this;
        }
        return putInteger(value);
    }

    public ArgumentBlock putLong(long value) {
        if (!registerImageLayout) {
            BufferNative.setLong(address, reserveStack(8), value);
            return this;
        }
        return putInteger(value);
    }

    /** A native address: one word on i386 (its low 32 bits), all 64 bits on x86-64. */
    public ArgumentBlock putAddress(long value) {
        return registerImageLayout ? putInteger(value) : putInt((int) value);
    }

    public ArgumentBlock putFloat(float value) {
        if (!registerImageLayout) {
            BufferNative.setFloat(address, reserveStack(4), value);
        } else {
            BufferNative.setFloat(address, nextVector(), value);
        }
        return this;
    }

    public ArgumentBlock putDouble(double value) {
        if (!registerImageLayout) {
            BufferNative.setDouble(address, reserveStack(8), value);
        } else {
            BufferNative.setDouble(address, nextVector(), value);
        }
        return this;
    }

    /** An int goes in sign-extended, as a long: the callee reads only its low half. */
    private ArgumentBlock putInteger(long value) {
        long offset = integers < INTEGER_REGISTERS ? 8L * integers++ : REGISTER_IMAGE + reserveStack(8);
        arguments++;
        BufferNative.setLong(address, offset, value);
        return this;
    }

    private long nextVector() {
        arguments++;
        return vectors < VECTOR_REGISTERS ? VECTOR_IMAGE + 8L * vectors++ : REGISTER_IMAGE + reserveStack(8);
    }

    /** The offset of the next bytes of the stack area, from its start. */
    private long reserveStack(int bytes) {
        long offset = stackBytes;
        long end = (registerImageLayout ? REGISTER_IMAGE : 0) + offset + bytes;
        if (end > capacity) {
            // The new bytes are undefined, which only the unread upper half of a float's stack
            // slot can see.
            long newCapacity = Math.max(end, 2 * capacity);
            long grown = BufferNative.realloc(address, newCapacity);
            if (grown == 0) {
                throw new OutOfMemoryError("no native memory for an argument block");
            }
            address = grown;
            capacity = newCapacity;
        }
        stackBytes += bytes;
        return offset;
    }

    @Override
    public void close() {
        if (address != 0) {
            BufferNative.free(address, true);
            address = 0;
        }
    }
}

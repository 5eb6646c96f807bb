package com.drovantel.tarvelo.bridge;

import static com.drovantel.tarvelo.core.impl.jni.BufferNative.*;
import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;

import com.drovantel.tarvelo.core.TarveloNativeException;
import java.lang.reflect.Array;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.util.Arrays;
import java.util.function.BiConsumer;
import java.util.stream.Stream;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.MethodSource;

class ArrayTransferTest {
    private static final int BLOCK = 128;
    private static final byte FILLER = 0x5A;

    /** A bulk-transfer native: (address, offset, array, start, length). */
    interface Transfer {
        void run(long address, long offset, Object array, int start, int length);
    }

    /** One primitive type: its element size, its two natives and sample elements. */
    record Kind(String name, int size, Transfer get, Transfer set, Object samples,
            BiConsumer<ByteBuffer, Object> put) {
        Object newArray(int length) {
            return Array.newInstance(samples.getClass().getComponentType(), length);
        }

        Object copyOfSamples() {
            Object copy = newArray(Array.getLength(samples));
            System.arraycopy(samples, 0, copy, 0, Array.getLength(samples));
            return copy;
        }

        /** The little-endian bytes of elements [start, start + length) of an array. */
        byte[] bytesOf(Object array, int start, int length) {
            ByteBuffer buffer = ByteBuffer.allocate(length * size).order(ByteOrder.LITTLE_ENDIAN);
            for (int i = start; i < start + length; i++) {
                put.accept(buffer, Array.get(array, i));
            }
            return buffer.array();
        }

        @Override
        public String toString() {
            return name;
        }
    }

    static Stream<Kind> kinds() {
        return Stream.of(
                new Kind("boolean", 1, (a, o, x, s, l) -> getBooleanArray(a, o, (boolean[]) x, s, l),
                        (a, o, x, s, l) -> setBooleanArray(a, o, (boolean[]) x, s, l),
                        new boolean[] {true, false, true, true, false},
                        (b, v) -> b.put((byte) ((Boolean) v ? 1 : 0))),
                new Kind("byte", 1, (a, o, x, s, l) -> getByteArray(a, o, (byte[]) x, s, l),
                        (a, o, x, s, l) -> setByteArray(a, o, (byte[]) x, s, l),
                        new byte[] {1, -2, 127, -128, 9}, (b, v) -> b.put((Byte) v)),
                new Kind("char", 2, (a, o, x, s, l) -> getCharArray(a, o, (char[]) x, s, l),
                        (a, o, x, s, l) -> setCharArray(a, o, (char[]) x, s, l),
                        new char[] {'a', '\uFFFF', '\u8001', 'z', '\u0102'}, (b, v) -> b.putChar((Character) v)),
                new Kind("short", 2, (a, o, x, s, l) -> getShortArray(a, o, (short[]) x, s, l),
                        (a, o, x, s, l) -> setShortArray(a, o, (short[]) x, s, l),
                        new short[] {1, -1, Short.MIN_VALUE, Short.MAX_VALUE, 0x0102}, (b, v) -> b.putShort((Short) v)),
                new Kind("int", 4, (a, o, x, s, l) -> getIntArray(a, o, (int[]) x, s, l),
                        (a, o, x, s, l) -> setIntArray(a, o, (int[]) x, s, l),
                        new int[] {1, -1, Integer.MIN_VALUE, 0x01020304, 0x7F6E5D4C}, (b, v) -> b.putInt((Integer) v)),
                new Kind("long", 8, (a, o, x, s, l) -> getLongArray(a, o, (long[]) x, s, l),
                        (a, o, x, s, l) -> setLongArray(a, o, (long[]) x, s, l),
                        new long[] {1, -1, Long.MIN_VALUE, 0x0102030405060708L, 0x7F6E5D4C3B2A1908L},
                        (b, v) -> b.putLong((Long) v)),
                new Kind("float", 4, (a, o, x, s, l) -> getFloatArray(a, o, (float[]) x, s, l),
                        (a, o, x, s, l) -> setFloatArray(a, o, (float[]) x, s, l),
                        new float[] {1.5f, -0.0f, Float.NaN, Float.MIN_VALUE, -3e38f}, (b, v) -> b.putFloat((Float) v)),
                new Kind("double", 8, (a, o, x, s, l) -> getDoubleArray(a, o, (double[]) x, s, l),
                        (a, o, x, s, l) -> setDoubleArray(a, o, (double[]) x, s, l),
                        new double[] {1.5, -0.0, Double.NaN, Double.MIN_VALUE, -1e308}, (b, v) -> b.putDouble((Double) v)));
    }

    private long block;

    @BeforeAll
    static void load() {
        Fixtures.load();
    }

    @BeforeEach
    void allocate() {
        block = malloc(BLOCK, false);
        byte[] filler = new byte[BLOCK];
        Arrays.fill(filler, FILLER);
        setByteArray(block, 0, filler, 0, BLOCK);
    }

    @AfterEach
    void release() {
        free(block, false);
    }

    private byte[] blockBytes() {
        byte[] bytes = new byte[BLOCK];
        getByteArray(block, 0, bytes, 0, BLOCK);
        return bytes;
    }

    private byte[] fillerWith(int at, byte[] bytes) {
        byte[] image = new byte[BLOCK];
        Arrays.fill(image, FILLER);
        System.arraycopy(bytes, 0, image, at, bytes.length);
        return image;
    }

    private static void assertSameElements(Object expected, Object actual) {
        assertEquals(Array.getLength(expected), Array.getLength(actual));
        for (int i = 0; i < Array.getLength(expected); i++) {
            // Boxed equality compares floating-point bits, so NaN and -0.0 count.
            assertEquals(Array.get(expected, i), Array.get(actual, i), "element " + i);
        }
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("kinds")
    void setWritesElementsAtAnOffsetCountedInElements(Kind kind) {
        Object samples = kind.copyOfSamples();
        // Offset 1 element, elements 1 and 2: bytes size .. 3 * size.
        kind.set.run(block, 1, samples, 1, 2);
        assertArrayEquals(fillerWith(kind.size, kind.bytesOf(samples, 1, 2)), blockBytes());
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("kinds")
    void getReadsElementsAtAnOffsetCountedInElements(Kind kind) {
        Object samples = kind.copyOfSamples();
        kind.set.run(block, 0, samples, 0, 5);
        Object read = kind.newArray(5);
        Array.set(read, 3, Array.get(samples, 4));
        // Offset 2 elements, 3 elements into indices 0 to 2; the rest of the array stays.
        kind.get.run(block, 2, read, 0, 3);
        Object expected = kind.newArray(5);
        System.arraycopy(samples, 2, expected, 0, 3);
        Array.set(expected, 3, Array.get(samples, 4));
        assertSameElements(expected, read);
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("kinds")
    void offsetMayBeNegativeAndUsesOnlyItsLowWordOnI386(Kind kind) {
        Object samples = kind.copyOfSamples();
        if (Target.isI386()) {
            // (2^32 / size + 1) elements is 2^32 + size bytes: one element past the address.
            kind.set.run(block, (1L << 32) / kind.size + 1, samples, 0, 1);
        } else {
            kind.set.run(block + 2L * kind.size, -1, samples, 0, 1);
        }
        // Three elements past the address, then one back: element 2.
        kind.set.run(block + 3L * kind.size, -1, samples, 1, 1);
        assertArrayEquals(fillerWith(kind.size, kind.bytesOf(samples, 0, 2)), blockBytes());
        Object read = kind.newArray(2);
        if (Target.isI386()) {
            // High words ignored: from element 1.
            kind.get.run(block | 0x0123456700000000L, 0x00000000FFFFFFFFL + 2, read, 0, 2);
        } else {
            kind.get.run(block + 2L * kind.size, -1, read, 0, 2);
        }
        assertSameElements(sliceOf(kind, samples, 0, 2), read);
    }

    private static Object sliceOf(Kind kind, Object array, int start, int length) {
        Object slice = kind.newArray(length);
        System.arraycopy(array, start, slice, 0, length);
        return slice;
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("kinds")
    void zeroLengthTransfersNothingEvenAtNullOrArrayEnd(Kind kind) {
        Object samples = kind.copyOfSamples();
        for (long address : new long[] {block, 0}) {
            kind.set.run(address, 0, samples, 5, 0);
            kind.get.run(address, 0, samples, 0, 0);
            kind.get.run(address, 0, samples, 5, 0);
        }
        assertArrayEquals(fillerWith(0, new byte[0]), blockBytes());
        assertSameElements(kind.samples, samples);
    }

    static Stream<int[]> badRanges() {
        return Stream.of(new int[] {4, 2}, new int[] {0, 6}, new int[] {-1, 1}, new int[] {6, 0},
                new int[] {1, -1}, new int[] {Integer.MAX_VALUE, 2});
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("kinds")
    void rangeOutsideTheArrayRaisesAndCopiesNothing(Kind kind) {
        badRanges().forEach(range -> {
            Object samples = kind.copyOfSamples();
            assertThrows(ArrayIndexOutOfBoundsException.class, () -> kind.set.run(block, 0, samples, range[0], range[1]));
            assertThrows(ArrayIndexOutOfBoundsException.class, () -> kind.get.run(block, 0, samples, range[0], range[1]));
            assertSameElements(kind.samples, samples);
        });
        assertArrayEquals(fillerWith(0, new byte[0]), blockBytes());
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("kinds")
    void nullArrayRaisesNullPointerException(Kind kind) {
        assertThrows(NullPointerException.class, () -> kind.set.run(block, 0, null, 0, 1));
        assertThrows(NullPointerException.class, () -> kind.get.run(block, 0, null, 0, 1));
        assertThrows(NullPointerException.class, () -> kind.get.run(block, 0, null, 0, 0));
        assertArrayEquals(fillerWith(0, new byte[0]), blockBytes());
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("kinds")
    void nullNativeSideRaisesAccessError(Kind kind) {
        Object samples = kind.copyOfSamples();
        long[][] nulls = Target.isI386() ? new long[][] {{0, 0}, {kind.size, -1}, {1L << 32, 0}}
                : new long[][] {{0, 0}, {kind.size, -1}};
        for (long[] at : nulls) {
            TarveloNativeException set = assertThrows(TarveloNativeException.class,
                    () -> kind.set.run(at[0], at[1], samples, 0, 2));
            assertEquals("Error accessing native memory", set.getMessage());
            TarveloNativeException get = assertThrows(TarveloNativeException.class,
                    () -> kind.get.run(at[0], at[1], samples, 0, 2));
            assertEquals("Error accessing native memory", get.getMessage());
        }
        assertSameElements(kind.samples, samples);
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("kinds")
    void roundTripKeepsEveryElementBitForBit(Kind kind) {
        Object samples = kind.copyOfSamples();
        kind.set.run(block, 0, samples, 0, 5);
        assertArrayEquals(fillerWith(0, kind.bytesOf(samples, 0, 5)), blockBytes());
        Object read = kind.newArray(5);
        kind.get.run(block, 0, read, 0, 5);
        assertSameElements(samples, read);
    }
}

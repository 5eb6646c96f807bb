package com.drovantel.tarvelo.bridge;

import static com.drovantel.tarvelo.core.impl.jni.BufferNative.*;
import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.drovantel.tarvelo.core.TarveloNativeException;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.function.Consumer;
import java.util.stream.LongStream;
import java.util.stream.Stream;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.function.Executable;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.CsvSource;
import org.junit.jupiter.params.provider.MethodSource;
import org.junit.jupiter.params.provider.ValueSource;

class BufferNativeTest {
    private final List<Long> blocks = new ArrayList<>();

    @BeforeAll
    static void load() {
        Fixtures.load();
    }

    @AfterEach
    void freeBlocks() {
        blocks.forEach(address -> free(address, false));
    }

    private long block(int size) {
        long address = malloc(size, false);
        assertNotEquals(0, address);
        blocks.add(address);
        return address;
    }

    private static byte[] bytes(long address, int offset, int count) {
        byte[] result = new byte[count];
        getByteArray(address, offset, result, 0, count);
        return result;
    }

    private static void fill(long address, int count, int value) {
        for (int i = 0; i < count; i++) {
            setByte(address, i, (byte) value);
        }
    }

    interface Setter { void set(long address, long offset, Object value); }
    interface Getter { Object get(long address, long offset); }

    /** One primitive type's setter and getter. */
    record Scalar(Setter setter, Getter getter) {
        void set(long address, long offset, Object value) {
            setter.set(address, offset, value);
        }

        Object get(long address, long offset) {
            return getter.get(address, offset);
        }
    }

    /** Each type's accessors, a sample value and its little-endian bytes. */
    static Stream<Arguments> scalars() {
        return Stream.of(
                Arguments.of("boolean", new Scalar((a, o, v) -> setBoolean(a, o, (Boolean) v), (a, o) -> getBoolean(a, o)), true, le(b -> b.put((byte) 1))),
                Arguments.of("byte", new Scalar((a, o, v) -> setByte(a, o, (Byte) v), (a, o) -> getByte(a, o)), (byte) -99, le(b -> b.put((byte) -99))),
                Arguments.of("char", new Scalar((a, o, v) -> setChar(a, o, (Character) v), (a, o) -> getChar(a, o)), '\uBEEF', le(b -> b.putChar('\uBEEF'))),
                Arguments.of("short", new Scalar((a, o, v) -> setShort(a, o, (Short) v), (a, o) -> getShort(a, o)), (short) -12345, le(b -> b.putShort((short) -12345))),
                Arguments.of("int", new Scalar((a, o, v) -> setInt(a, o, (Integer) v), (a, o) -> getInt(a, o)), 0x12345678, le(b -> b.putInt(0x12345678))),
                Arguments.of("long", new Scalar((a, o, v) -> setLong(a, o, (Long) v), (a, o) -> getLong(a, o)), 0x0123456789ABCDEFL, le(b -> b.putLong(0x0123456789ABCDEFL))),
                Arguments.of("float", new Scalar((a, o, v) -> setFloat(a, o, (Float) v), (a, o) -> getFloat(a, o)), -1.5e-3f, le(b -> b.putFloat(-1.5e-3f))),
                Arguments.of("double", new Scalar((a, o, v) -> setDouble(a, o, (Double) v), (a, o) -> getDouble(a, o)), Math.PI, le(b -> b.putDouble(Math.PI))));
    }

    static byte[] le(Consumer<ByteBuffer> put) {
        ByteBuffer buffer = ByteBuffer.allocate(8).order(ByteOrder.LITTLE_ENDIAN);
        put.accept(buffer);
        byte[] result = new byte[buffer.position()];
        buffer.flip().get(result);
        return result;
    }

    // --- allocation ---

    @ParameterizedTest
    @ValueSource(ints = {1, 7, 64, 4096, 1 << 17})
    void mallocZeroFillsForEitherBoolean(int size) {
        for (boolean zeroed : new boolean[] {false, true}) {
            // A freed block full of 0xFF is likely to come back: a missing clear would show.
            long dirty = malloc(size, zeroed);
            byte[] ones = new byte[size];
            Arrays.fill(ones, (byte) -1);
            setByteArray(dirty, 0, ones, 0, size);
            free(dirty, zeroed);
            long address = malloc(size, zeroed);
            assertNotEquals(0, address);
            assertArrayEquals(new byte[size], bytes(address, 0, size));
            free(address, !zeroed);
        }
    }

    @ParameterizedTest
    @ValueSource(ints = {0, 16, 100000})
    void addressesComeBackAtThePointersWidth(int size) {
        long address = block(size);
        if (Target.isI386()) {
            assertEquals((long) (int) address, address, "high word copies bit 31");
        } else {
            assertTrue(address > 0xFFFFFFFFL, "a heap address above 2^32: " + Long.toHexString(address));
        }
    }

    @Test
    void freeOfNullDoesNothing() {
        free(0, false);
        free(0, true);
    }

    @Test
    void blocksPassBetweenJavaAndTheCLibrary() {
        long fromC = MemoryFixtures.cMalloc(8);
        setLong(fromC, 0, -2);
        assertEquals(-2, getLong(fromC, 0));
        free(fromC, false);
        long fromJava = malloc(8, false);
        setLong(fromJava, 0, 3);
        MemoryFixtures.cFree(fromJava);
    }

    @ParameterizedTest
    @ValueSource(ints = {17, 4096, 1 << 18, 8})
    void reallocKeepsTheOldBytes(int newSize) {
        long address = malloc(16, false);
        for (int i = 0; i < 16; i++) {
            setByte(address, i, (byte) (i * 7 + 1));
        }
        long moved = realloc(address, newSize);
        assertNotEquals(0, moved);
        blocks.add(moved);
        int kept = Math.min(16, newSize);
        for (int i = 0; i < kept; i++) {
            assertEquals((byte) (i * 7 + 1), getByte(moved, i), "byte " + i);
        }
        setByte(moved, newSize - 1, (byte) 5);
    }

    @Test
    void reallocOfNullAllocates() {
        long address = realloc(0, 32);
        assertNotEquals(0, address);
        blocks.add(address);
        setLong(address, 24, 9);
        assertEquals(9, getLong(address, 24));
    }

    @Test
    void reallocToZeroKeepsAValidBlock() {
        long address = malloc(16, false);
        long resized = realloc(address, 0);
        assertNotEquals(0, resized, "a 0 would leave Java holding a freed block");
        blocks.add(resized);
        setByte(resized, 0, (byte) 1);
    }

    /** Sizes the C library cannot be asked for: negative, or beyond the address space. */
    static LongStream unallocatableSizes() {
        LongStream everywhere = LongStream.of(-1, Long.MIN_VALUE, Long.MAX_VALUE);
        return Target.isI386() ? LongStream.concat(everywhere, LongStream.of(1L << 32, (1L << 32) + 16)) : everywhere;
    }

    @ParameterizedTest
    @MethodSource("unallocatableSizes")
    void sizesBeyondTheAddressSpaceAllocateNothing(long size) {
        assertEquals(0, malloc(size, false));
        assertEquals(0, malloc(size, true));
        long address = block(16);
        setLong(address, 8, 0x1122334455667788L);
        assertEquals(0, realloc(address, size));
        assertEquals(0x1122334455667788L, getLong(address, 8), "old block untouched and still owned");
    }

    // --- scalars ---

    @ParameterizedTest(name = "{0}")
    @MethodSource("scalars")
    void unalignedLittleEndianRoundTrip(String type, Scalar scalar, Object value, byte[] expected) {
        long address = block(24);
        scalar.set(address, 3, value);
        assertEquals(value, scalar.get(address, 3));
        byte[] all = bytes(address, 0, 24);
        byte[] image = new byte[24];
        System.arraycopy(expected, 0, image, 3, expected.length);
        assertArrayEquals(image, all, "only bytes 3.." + (2 + expected.length) + " written, little-endian");
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("scalars")
    void onlyTheLowWordsOfAddressAndOffsetCount(String type, Scalar scalar, Object value, byte[] expected) {
        Target.assumeI386("32-bit addresses");
        long address = block(16);
        scalar.set(address | 0x7654321000000000L, 0xFFFFFFFF00000005L, value);
        assertEquals(value, scalar.get(address, 5));
        // A negative offset reaches below the address.
        assertEquals(value, scalar.get(address + 9, -4));
        assertEquals(value, scalar.get(address + 9, 0x00000000FFFFFFFCL));
    }

    static Stream<Arguments> nullAddresses() {
        Stream<Arguments> everywhere = Stream.of(Arguments.of(0L, 0L), Arguments.of(16L, -16L),
                Arguments.of(1L << 32, -(1L << 32)));
        // Null by their low words alone.
        Stream<Arguments> onI386 = Stream.of(Arguments.of(1L << 32, 0L), Arguments.of(0xFFFFFFF0L, 16L));
        return Target.isI386() ? Stream.concat(everywhere, onI386) : everywhere;
    }

    @ParameterizedTest(name = "address {0} offset {1}")
    @MethodSource("nullAddresses")
    void everyScalarAccessThroughNullRaises(long address, long offset) {
        scalars().forEach(arguments -> {
            Object[] args = arguments.get();
            Scalar scalar = (Scalar) args[1];
            assertAccessError(() -> scalar.get(address, offset));
            assertAccessError(() -> scalar.set(address, offset, args[2]));
        });
        assertAccessError(() -> getStringLength(address, offset));
        assertAccessError(() -> getStringUnicodeLength(address, offset));
    }

    static void assertAccessError(Executable access) {
        TarveloNativeException e = assertThrows(TarveloNativeException.class, access);
        assertEquals("Error accessing native memory", e.getMessage());
    }

    @Test
    void charIsUnsignedShortAndByteAreSigned() {
        long address = block(4);
        setByte(address, 0, (byte) 0xFF);
        setByte(address, 1, (byte) 0xFF);
        setByte(address, 2, (byte) 0x80);
        assertEquals(65535, getChar(address, 0));
        assertEquals(-1, getShort(address, 0));
        assertEquals(-128, getByte(address, 2));
        assertEquals(0x80, getChar(address, 2));
    }

    @Test
    void booleanByteIsNotFolded() {
        // The virtual machine folds a native's jboolean result to 0 or 1, so the natives are
        // called directly from native code to see the byte they hand over.
        long address = block(2);
        setByte(address, 0, (byte) 2);
        assertEquals(2, MemoryFixtures.getBooleanByte(address, 0));
        assertTrue(getBoolean(address, 0));
        MemoryFixtures.setBooleanByte(address, 1, 0x2A);
        assertEquals(0x2A, getByte(address, 1));
        setBoolean(address, 1, false);
        assertEquals(0, getByte(address, 1));
        setBoolean(address, 1, true);
        assertEquals(1, getByte(address, 1));
    }

    @Test
    void floatingPointValuesAreTheirBits() {
        long address = block(16);
        setFloat(address, 0, 1.0f);
        assertEquals(0x3F800000, getInt(address, 0));
        setDouble(address, 8, -2.0);
        assertEquals(0xC000000000000000L, getLong(address, 8));
        setInt(address, 0, 0x7FC12345);
        assertEquals(0x7FC12345, Float.floatToRawIntBits(getFloat(address, 0)));
        setLong(address, 8, 0x0000000000000001L);
        assertEquals(Double.MIN_VALUE, getDouble(address, 8));
        setInt(address, 0, 3);
        assertEquals(Float.intBitsToFloat(3), getFloat(address, 0), "bits, not the converted integer");
    }

    @Test
    void pageThatNeedsEveryAddressBitIsReached() {
        long page = MemoryFixtures.highPage();
        setLong(page, 8, 0x1020304050607080L);
        if (Target.isI386()) {
            assertTrue(page < 0 && page >= Integer.MIN_VALUE, "sign-extended high page: " + Long.toHexString(page));
            assertEquals(0x1020304050607080L, getLong(page & 0xFFFFFFFFL, 8));
            assertEquals(0x50607080, getInt(page | 0x5A5A5A5A00000000L, 8));
        } else {
            assertTrue(page > 0xFFFFFFFFL, "page above 2^32: " + Long.toHexString(page));
        }
        assertEquals(0x50607080, getInt(page, 8));
        long local = block(16);
        copyFrom(local, 0, page + 8, 8);
        assertEquals(0x1020304050607080L, getLong(local, 0));
        copyFrom(page, 0, local, 8);
        assertEquals(0x1020304050607080L, getLong(page, 0));
        int[] ints = new int[2];
        getIntArray(page, 1, ints, 0, 2);
        assertArrayEquals(new int[] {0x10203040, 0x50607080}, ints);
        setLong(page, 0, 0);
        setLong(page, 8, 0);
    }

    // --- strings ---

    @ParameterizedTest(name = "offset {0}: {1}")
    @CsvSource({"0, 3", "2, 1", "3, 0", "4, 2"})
    void stringLengthCountsBytesBeforeTheFirstZero(int offset, int expected) {
        long address = block(8);
        byte[] text = {'a', 'b', 'c', 0, 'd', 'e', 0};
        setByteArray(address, 0, text, 0, text.length);
        assertEquals(expected, getStringLength(address, offset));
    }

    @ParameterizedTest(name = "offset {0}: {1}")
    @CsvSource({"0, 3", "4, 2", "12, 0", "16, 1"})
    void unicodeLengthCountsFourByteUnits(int offset, int expected) {
        long address = block(24);
        // Units with zero bytes inside are not terminators; only a whole zero unit is.
        setIntArray(address, 0, new int[] {0x41, 0x0100, 0x10000, 0, 0x42, 0}, 0, 6);
        assertEquals(expected, getStringUnicodeLength(address, offset));
    }

    // --- copyFrom ---

    @Test
    void copyFromWritesExactlyItsRange() {
        long destination = block(32);
        long source = block(16);
        fill(destination, 32, 0xAA);
        for (int i = 0; i < 16; i++) {
            setByte(source, i, (byte) i);
        }
        copyFrom(destination, 8, source, 16);
        byte[] all = bytes(destination, 0, 32);
        for (int i = 0; i < 32; i++) {
            byte expected = i >= 8 && i < 24 ? (byte) (i - 8) : (byte) 0xAA;
            assertEquals(expected, all[i], "byte " + i);
        }
    }

    @ParameterizedTest(name = "shift {0}, {1} bytes")
    @CsvSource({"-4, 32", "-1, 32", "1, 32", "4, 32", "15, 32", "-1, 3000", "1, 3000", "64, 3000"})
    void copyFromOverlappingRangesCopiesAsIfThroughABuffer(int shift, int length) {
        int size = length + 256;
        long address = block(size);
        byte[] original = new byte[size];
        for (int i = 0; i < size; i++) {
            original[i] = (byte) (i * 31 + 1);
        }
        setByteArray(address, 0, original, 0, size);
        copyFrom(address, 100 + shift, address + 100, length);
        byte[] expected = original.clone();
        System.arraycopy(original, 100, expected, 100 + shift, length);
        assertArrayEquals(expected, bytes(address, 0, size));
    }

    @Test
    void copyFromNullRaisesAndZeroLengthDoesNot() {
        long address = block(8);
        setLong(address, 0, 77);
        assertAccessError(() -> copyFrom(0, 0, address, 8));
        assertAccessError(() -> copyFrom(8, -8, address, 8));
        assertAccessError(() -> copyFrom(address, 0, 0, 8));
        if (Target.isI386()) {
            assertAccessError(() -> copyFrom(address, 0, 1L << 32, 1));
        }
        assertEquals(77, getLong(address, 0));
        copyFrom(0, 0, 0, 0);
        copyFrom(address, 0, 0, 0);
        assertEquals(77, getLong(address, 0));
    }
}

package com.drovantel.tarvelo.bridge;

import static com.drovantel.tarvelo.bridge.BufferNativeTest.assertAccessError;
import static com.drovantel.tarvelo.core.impl.jni.BufferNative.*;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.util.function.LongSupplier;
import java.util.stream.Stream;
import org.junit.jupiter.api.AfterAll;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.MethodSource;

/** BufferNative.newDirectByteBuffer: a buffer that is a view of native memory. */
class DirectByteBufferTest {
    /** One past the last address: 2^32 on i386, 2^64 (0 as a long) on x86-64. */
    private static final long TOP_OF_ADDRESS_SPACE = Target.isI386() ? 1L << 32 : 0;
    private static long block;

    @BeforeAll
    static void allocate() {
        Fixtures.load();
        block = malloc(64, false);
    }

    @AfterAll
    static void release() {
        free(block, false);
    }

    static Stream<Arguments> views() {
        return Stream.of(
                Arguments.of("a whole block", (LongSupplier) () -> block, 64),
                Arguments.of("unaligned, inside a block", (LongSupplier) () -> block + 3, 13),
                Arguments.of("a page that needs every address bit", (LongSupplier) MemoryFixtures::highPage, 4096));
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("views")
    void viewReadsAndWritesTheBlockItself(String place, LongSupplier start, int size) {
        long address = start.getAsLong();
        ByteBuffer view = newDirectByteBuffer(address, size);
        assertTrue(view.isDirect());
        assertEquals(size, view.capacity());
        assertEquals(ByteOrder.BIG_ENDIAN, view.order(), "the caller chooses the byte order");
        view.order(ByteOrder.nativeOrder()).putInt(1, 0x11223344);
        assertEquals(0x11223344, getInt(address, 1));
        setInt(address, size - 4, 0x55667788);
        assertEquals(0x55667788, view.getInt(size - 4));
        assertThrows(IndexOutOfBoundsException.class, () -> view.get(size));
        setLong(address, 0, 0);
        setInt(address, size - 4, 0);
    }

    /** Views that are never accessed, so their addresses need not be mapped. */
    static Stream<Arguments> limits() {
        return Stream.of(
                Arguments.of("address 0", 0L, 16L, false),
                Arguments.of("address 0 plus the top of the address space", TOP_OF_ADDRESS_SPACE, 16L, false),
                Arguments.of("size 0", 0x1000L, 0L, false),
                Arguments.of("size -1", 0x1000L, -1L, false),
                Arguments.of("size Long.MIN_VALUE", 0x1000L, Long.MIN_VALUE, false),
                Arguments.of("size 2^31, above a buffer's capacity", 0x1000L, 1L << 31, false),
                Arguments.of("size 2^32 + 16, not cut to its low word", 0x1000L, (1L << 32) + 16, false),
                Arguments.of("past the end of the address space", TOP_OF_ADDRESS_SPACE - 16, 17L, false),
                Arguments.of("size 1", 0x1000L, 1L, true),
                Arguments.of("size Integer.MAX_VALUE", 0x1000L, (long) Integer.MAX_VALUE, true),
                Arguments.of("up to the last byte of the address space", TOP_OF_ADDRESS_SPACE - 16, 16L, true));
    }

    @ParameterizedTest(name = "{0}: accepted {3}")
    @MethodSource("limits")
    void addressAndSizeLimits(String input, long address, long size, boolean accepted) {
        if (accepted) {
            assertEquals(size, newDirectByteBuffer(address, size).capacity());
        } else {
            assertAccessError(() -> newDirectByteBuffer(address, size));
        }
    }
}

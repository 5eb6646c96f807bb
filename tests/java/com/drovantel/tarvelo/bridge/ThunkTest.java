package com.drovantel.tarvelo.bridge;

import static com.drovantel.tarvelo.bridge.CallFixtures.CDECL;
import static com.drovantel.tarvelo.bridge.CallFixtures.STDCALL;
import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertDoesNotThrow;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertNotSame;
import static org.junit.jupiter.api.Assertions.assertSame;
import static org.junit.jupiter.api.Assertions.assertThrows;

import com.drovantel.tarvelo.core.TarveloNativeException;
import com.drovantel.tarvelo.core.impl.jni.ArgumentBlock;
import com.drovantel.tarvelo.core.impl.jni.BufferNative;
import com.drovantel.tarvelo.core.impl.jni.CallbackStateManagerNative;
import com.drovantel.tarvelo.core.impl.jni.DynamicLibraryNative;
import com.drovantel.tarvelo.core.impl.jni.MethodNative;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.HashSet;
import java.util.List;
import java.util.Random;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.Future;
import java.util.stream.IntStream;
import java.util.stream.Stream;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.function.Executable;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.MethodSource;
import org.junit.jupiter.params.provider.NullSource;
import org.junit.jupiter.params.provider.ValueSource;

/** Callbacks as plain C function pointers: thunks called by the C library, C fixtures and the call natives. */
class ThunkTest {
    private static final int VOID = 1, BOOLEAN = 2, BYTE = 3, CHAR = 4, SHORT = 5, INT = 6, LONG = 7,
            FLOAT = 8, DOUBLE = 9, POINTER = 10;
    private static final boolean REGISTER_IMAGE = CallFixtures.registerImage();
    private static long libc;

    private final RecordingCallbacks callbacks = new RecordingCallbacks();
    private final List<Long> handles = new ArrayList<>();
    private final List<Long> thunks = new ArrayList<>();
    private volatile byte[] seen;

    @BeforeAll
    static void load() {
        libc = DynamicLibraryNative.load("libc.so.6", "libc.so.6");
    }

    @AfterEach
    void release() {
        thunks.forEach(CallbackStateManagerNative::freeThunk);
        handles.forEach(CallbackStateManagerNative::unregisterInDLL);
    }

    private long thunk(int typeIndex, int convention, long argsSize) {
        long handle = callbacks.register(typeIndex);
        handles.add(handle);
        long thunk = CallbackStateManagerNative.makeThunk(handle, convention, argsSize);
        thunks.add(thunk);
        return thunk;
    }

    /** Copies each argument block the callback receives, {@code size} bytes. */
    private void recordBlocks(long size) {
        callbacks.blockReader = args -> seen = bytes(args, size);
    }

    private static byte[] bytes(long address, long size) {
        byte[] bytes = new byte[(int) size];
        BufferNative.getByteArray(address, 0, bytes, 0, bytes.length);
        return bytes;
    }

    /** The address that is parameter {@code index} of a block of addresses. */
    private static long addressAt(long block, int index) {
        return REGISTER_IMAGE ? BufferNative.getLong(block, 8L * index) : BufferNative.getInt(block, 4L * index) & 0xFFFFFFFFL;
    }

    private static long blockSizeOfAddresses(int count) {
        try (ArgumentBlock block = new ArgumentBlock()) {
            for (int i = 0; i < count; i++) {
                block.putAddress(0);
            }
            return block.size();
        }
    }

    private static long function(String name) {
        long address = MethodNative.find(libc, name);
        assertNotEquals(0, address, name);
        return address;
    }

    private static int callInt(long function, long... addresses) {
        try (ArgumentBlock block = new ArgumentBlock()) {
            Arrays.stream(addresses).forEach(block::putAddress);
            return MethodNative.callInt(function, CDECL, block.address(), block.size());
        }
    }

    /** Seven longs and nine doubles: on x86-64 the last of each on the stack. */
    private static ArgumentBlock sixteenArguments() {
        ArgumentBlock block = new ArgumentBlock();
        IntStream.rangeClosed(1, 7).forEach(block::putLong);
        IntStream.range(0, 9).forEach(i -> block.putDouble(i + 0.5));
        return block;
    }

    static Stream<Arguments> results() {
        return Stream.of(
                Arguments.of(VOID, 5L, null),
                Arguments.of(BOOLEAN, 1L, true),
                Arguments.of(BYTE, -1L, (byte) -1),
                Arguments.of(CHAR, 0xFFFFL, (char) 0xFFFF),
                Arguments.of(SHORT, 0x8000L, (short) 0x8000),
                Arguments.of(INT, 0x80000001L, 0x80000001),
                Arguments.of(LONG, 0x8000000100000002L, 0x8000000100000002L),
                Arguments.of(FLOAT, (long) Float.floatToRawIntBits(-1.5f), -1.5f),
                Arguments.of(DOUBLE, Double.doubleToRawLongBits(0.1), 0.1),
                // An address: the whole long on x86-64, its low 32 bits on i386.
                Arguments.of(POINTER, 0x1234567807654321L, REGISTER_IMAGE ? 0x1234567807654321L : 0x07654321L));
    }

    @ParameterizedTest(name = "type {0}: Java answers {1}, the caller gets {2}")
    @MethodSource("results")
    void callbackGetsTheCallersBlockAndAnswersInItsTypesRegister(int typeIndex, long answer, Object expected) {
        try (ArgumentBlock block = sixteenArguments()) {
            long thunk = thunk(typeIndex, CDECL, block.size());
            callbacks.answer = answer;
            recordBlocks(block.size());
            long args = block.address(), size = block.size();
            Object result = switch (typeIndex) {
                case VOID -> {
                    MethodNative.callVoid(thunk, CDECL, args, size);
                    yield null;
                }
                case BOOLEAN -> MethodNative.callBoolean(thunk, CDECL, args, size);
                case BYTE -> MethodNative.callByte(thunk, CDECL, args, size);
                case CHAR -> MethodNative.callChar(thunk, CDECL, args, size);
                case SHORT -> MethodNative.callShort(thunk, CDECL, args, size);
                case INT -> MethodNative.callInt(thunk, CDECL, args, size);
                case FLOAT -> MethodNative.callFloat(thunk, CDECL, args, size);
                case DOUBLE -> MethodNative.callDouble(thunk, CDECL, args, size);
                default -> MethodNative.callLong(thunk, CDECL, args, size);
            };
            assertEquals(expected, result);
            assertArrayEquals(bytes(args, size), seen);
        }
    }

    @Test
    void cCallerOf7IntegersAnd9DoublesPassesThemAsTheArgumentBlock() {
        Target.assumeX86_64("the register image with stack slots");
        try (ArgumentBlock expected = sixteenArguments()) {
            long thunk = thunk(DOUBLE, CDECL, expected.size());
            callbacks.answer = Double.doubleToRawLongBits(42.25);
            recordBlocks(expected.size());
            try (ArgumentBlock args = new ArgumentBlock().putAddress(thunk)) {
                assertEquals(42.25, MethodNative.callDouble(CallFixtures.address("fixtureCallWith7IntegersAnd9Doubles"),
                        CDECL, args.address(), args.size()));
            }
            assertArrayEquals(bytes(expected.address(), expected.size()), seen);
        }
    }

    @Test
    void stdcallThunkRemovesItsArgumentsForAMisalignedCaller() {
        Target.assumeI386("stdcall");
        try (ArgumentBlock expected = ArgumentBlock.of(0x11111111, 0x22222222)) {
            long thunk = thunk(INT, STDCALL, expected.size());
            callbacks.answer = 0x600D;
            recordBlocks(expected.size());
            long drift = BufferNative.malloc(4, true);
            try {
                BufferNative.setInt(drift, 0, 0xBAD);
                assertEquals(0x600D, callInt(CallFixtures.address("callStdcallMisaligned"), thunk, 0x11111111,
                        0x22222222, drift));
                assertEquals(0, BufferNative.getInt(drift, 0), "stack pointer moved over the call");
            } finally {
                BufferNative.free(drift, true);
            }
            assertArrayEquals(bytes(expected.address(), expected.size()), seen);
        }
    }

    /** With no failure the array ends sorted; a comparator's exception reaches qsort's Java caller. */
    @ParameterizedTest
    @NullSource
    @ValueSource(strings = "thrown by the comparator")
    void qsortSorts1000IntsWithAJavaComparator(String failure) {
        int[] values = new Random(21).ints(1000).toArray();
        long array = BufferNative.malloc(4L * values.length, false);
        try {
            BufferNative.setIntArray(array, 0, values, 0, values.length);
            callbacks.failure = failure == null ? null : new IllegalStateException(failure);
            callbacks.intAnswer = args -> Integer.compare(BufferNative.getInt(addressAt(args, 0), 0),
                    BufferNative.getInt(addressAt(args, 1), 0));
            long comparator = thunk(INT, CDECL, blockSizeOfAddresses(2));
            Executable sort = () -> callInt(function("qsort"), array, values.length, 4, comparator);
            if (failure != null) {
                assertSame(callbacks.failure, assertThrows(IllegalStateException.class, sort));
                return;
            }
            assertDoesNotThrow(sort);
            int[] sorted = new int[values.length];
            BufferNative.getIntArray(array, 0, sorted, 0, sorted.length);
            Arrays.sort(values);
            assertArrayEquals(values, sorted);
        } finally {
            BufferNative.free(array, false);
        }
    }

    @Test
    void threadStartRoutineRunsOnANativeThread() {
        long thread = BufferNative.malloc(16, true);
        try {
            Thread[] caller = new Thread[1];
            long[] argument = new long[1];
            callbacks.blockReader = args -> {
                caller[0] = Thread.currentThread();
                argument[0] = addressAt(args, 0);
            };
            callbacks.answer = 0x5AFE;
            long start = thunk(POINTER, CDECL, blockSizeOfAddresses(1));
            assertEquals(0, callInt(function("pthread_create"), thread, 0, start, 0x1234));
            assertEquals(0, callInt(function("pthread_join"), addressAt(thread, 0), thread + 8));
            assertEquals(0x5AFE, addressAt(thread + 8, 0));
            assertEquals(0x1234, argument[0]);
            assertNotSame(Thread.currentThread(), caller[0]);
        } finally {
            BufferNative.free(thread, true);
        }
    }

    @Test
    void poolEndsWithAClearRefusalAndFreedThunksAreMadeAgain() {
        long handle = callbacks.register(INT);
        handles.add(handle);
        callbacks.answer = 77;
        List<Long> made = new ArrayList<>();
        TarveloNativeException refusal = assertThrows(TarveloNativeException.class, () -> {
            while (made.size() <= 1024) {
                made.add(CallbackStateManagerNative.makeThunk(handle, CDECL, 0));
            }
        });
        try {
            assertEquals("all 1024 thunks are in use: free one with freeThunk", refusal.getMessage());
            assertEquals(1024, new HashSet<>(made).size());
            long reused = made.get(500);
            assertEquals(1, CallbackStateManagerNative.freeThunk(reused));
            assertEquals(reused, CallbackStateManagerNative.makeThunk(handle, CDECL, 0));
            assertEquals(77, MethodNative.callInt(reused, CDECL, 0, 0));
        } finally {
            made.forEach(thunk -> assertEquals(1, CallbackStateManagerNative.freeThunk(thunk)));
        }
    }

    @Test
    void threadsMakeCallAndFreeThunksAtOnce() throws Exception {
        ExecutorService threads = Executors.newFixedThreadPool(4);
        try {
            List<Future<Integer>> rights = new ArrayList<>();
            for (int t = 0; t < 4; t++) {
                RecordingCallbacks own = new RecordingCallbacks();
                own.answer = 1000 + t;
                long handle = own.register(INT);
                handles.add(handle);
                rights.add(threads.submit(() -> {
                    int right = 0;
                    for (int i = 0; i < 200; i++) {
                        long thunk = CallbackStateManagerNative.makeThunk(handle, CDECL, 0);
                        right += MethodNative.callInt(thunk, CDECL, 0, 0) == own.answer ? 1 : 0;
                        CallbackStateManagerNative.freeThunk(thunk);
                    }
                    return right;
                }));
            }
            for (Future<Integer> right : rights) {
                assertEquals(200, right.get());
            }
        } finally {
            threads.shutdown();
        }
    }
}

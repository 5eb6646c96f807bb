package com.drovantel.tarvelo.bridge;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertSame;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.drovantel.tarvelo.core.TarveloNativeException;
import com.drovantel.tarvelo.core.impl.jni.CallbackStateManagerNative;
import java.lang.ref.SoftReference;
import java.lang.ref.WeakReference;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.concurrent.ConcurrentHashMap;
import java.util.stream.Collectors;
import java.util.stream.IntStream;
import java.util.stream.Stream;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.MethodSource;
import org.junit.jupiter.params.provider.ValueSource;

/** Native callers reaching Java through the callback entry points, on native threads too. */
class CallbackTest {
    private static final int VOID = 1, BOOLEAN = 2, BYTE = 3, CHAR = 4, SHORT = 5, INT = 6, LONG = 7,
            FLOAT = 8, DOUBLE = 9, POINTER = 10;
    private static final long BLOCK = 0x1000;
    /** What an entry point raises when its callback's referent is gone. */
    static final String COLLECTED = "the callback's Java object was collected";

    private final RecordingCallbacks callbacks = new RecordingCallbacks();
    private long handle;

    @BeforeAll
    static void load() {
        Fixtures.load();
    }

    @AfterEach
    void unregister() {
        CallbackStateManagerNative.unregisterInDLL(handle);
    }

    static Stream<Arguments> results() {
        return Stream.of(
                Arguments.of(VOID, 0x55L, 0L),
                Arguments.of(BOOLEAN, 1L, 1L),
                Arguments.of(BOOLEAN, 0L, 0L),
                Arguments.of(BYTE, -1L, 0xFFFFFFFFL),
                Arguments.of(BYTE, 0x7FL, 0x7FL),
                Arguments.of(CHAR, 0xFFFFL, 0xFFFFL),
                Arguments.of(SHORT, 0x8000L, 0xFFFF8000L),
                Arguments.of(SHORT, 0x7FFFL, 0x7FFFL),
                Arguments.of(INT, 0x80000000L, 0x80000000L),
                Arguments.of(INT, 0x7FFFFFFFL, 0x7FFFFFFFL),
                Arguments.of(LONG, 0x8000000100000002L, 0x8000000100000002L),
                Arguments.of(LONG, -2L, -2L),
                Arguments.of(FLOAT, floatBits(1.5f), floatBits(1.5f)),
                Arguments.of(FLOAT, floatBits(-0.1f), floatBits(-0.1f)),
                Arguments.of(DOUBLE, Double.doubleToRawLongBits(1.5), Double.doubleToRawLongBits(1.5)),
                Arguments.of(DOUBLE, Double.doubleToRawLongBits(0.1), Double.doubleToRawLongBits(0.1)),
                Arguments.of(DOUBLE, Double.doubleToRawLongBits(1e300), Double.doubleToRawLongBits(1e300)),
                Arguments.of(DOUBLE, Double.doubleToRawLongBits(-Double.MIN_VALUE),
                        Double.doubleToRawLongBits(-Double.MIN_VALUE)),
                // An address: the whole long on x86-64, its low 32 bits on i386.
                Arguments.of(POINTER, 0x1234567887654321L,
                        CallFixtures.registerImage() ? 0x1234567887654321L : 0x87654321L));
    }

    private static long floatBits(float value) {
        return Float.floatToRawIntBits(value) & 0xFFFFFFFFL;
    }

    @ParameterizedTest(name = "type {0}: Java answers {1}, registers hold {2}")
    @MethodSource("results")
    void javaResultReachesTheNativeCallerWidenedToItsRegisters(int typeIndex, long answer, long registers) {
        handle = callbacks.register(typeIndex);
        callbacks.answer = answer;
        assertEquals(registers, CallbackFixtures.callEntry(typeIndex, handle, BLOCK));
        assertEquals(1, callbacks.calls.get());
        assertEquals(BLOCK, callbacks.lastArgs);
    }

    @ParameterizedTest
    @ValueSource(longs = {0L, 4L, 0x7FFFFFFCL, 0x80000000L, 0x80001234L, 0xFFFFFFFCL, 0x123456789ABCDEF0L, -8L})
    void blockAddressArrivesAtThePointersWidth(long block) {
        handle = callbacks.register(INT);
        CallbackFixtures.callEntry(INT, handle, block);
        // i386: the low 32 bits, sign-extended; x86-64: all 64 bits.
        assertEquals(Target.isI386() ? (long) (int) block : block, callbacks.lastArgs);
    }

    @Test
    void handleIsANativeAddressAtThePointersWidth() {
        handle = callbacks.register(INT);
        assertNotEquals(0L, handle);
        if (Target.isI386()) {
            assertEquals((long) (int) handle, handle);
        } else {
            assertTrue(handle > 0xFFFFFFFFL, "a heap address above 2^32: " + Long.toHexString(handle));
        }
    }

    @ParameterizedTest
    @ValueSource(ints = {VOID, BOOLEAN, BYTE, CHAR, SHORT, INT, LONG, FLOAT, DOUBLE, POINTER})
    void exceptionThrownByTheCallbackReachesTheJavaCaller(int typeIndex) {
        handle = callbacks.register(typeIndex);
        callbacks.failure = new IllegalStateException("thrown by the callback");
        IllegalStateException thrown =
                assertThrows(IllegalStateException.class, () -> CallbackFixtures.callEntry(typeIndex, handle, BLOCK));
        assertSame(callbacks.failure, thrown);
    }

    @Test
    void laterCallbacksLeaveJavaAloneWhileAnExceptionIsPending() {
        handle = callbacks.register(INT);
        callbacks.failure = new IllegalStateException("first");
        IllegalStateException thrown =
                assertThrows(IllegalStateException.class, () -> CallbackFixtures.callIntTwice(handle, BLOCK));
        assertSame(callbacks.failure, thrown);
        assertEquals(1, callbacks.calls.get());
    }

    /** A private onCallInt, which a subclass cannot override: only an ID found in Mid runs it. */
    static class Mid extends CallbackStateManagerNative {
        @SuppressWarnings("unused")
        private int onCallInt(long args) {
            return 333;
        }
    }

    static class Beta extends Mid {
        public int onCallInt(long args) {
            return 222;
        }
    }

    static class Alpha extends CallbackStateManagerNative {
        public int onCallInt(long args) {
            return 111;
        }
    }

    /** A reference object that is no java.lang.ref.Reference: its superclass declares get(). */
    static class Holder {
        final Object referent;

        Holder(Object referent) {
            this.referent = referent;
        }

        public Object get() {
            return referent;
        }
    }

    static class Box extends Holder {
        Box(Object referent) {
            super(referent);
        }
    }

    record Registration(CallbackStateManagerNative target, Object referenceObject, int answer) {}

    /** In one virtual machine, in turn: an ID found for one class must not serve another. */
    @Test
    void eachCallbackClassAndReferenceClassReachesItsOwnMethods() {
        Mid mid = new Mid();
        Beta beta = new Beta();
        Alpha alpha = new Alpha();
        List<Registration> registrations = List.of(
                new Registration(mid, new WeakReference<>(mid), 333),
                new Registration(beta, new WeakReference<>(beta), 222),
                new Registration(alpha, new SoftReference<>(alpha), 111),
                new Registration(mid, new Box(mid), 333),
                new Registration(alpha, new WeakReference<>(alpha), 111));
        for (Registration registration : registrations) {
            handle = registration.target.registerInDLL(registration.referenceObject, INT, 0);
            assertEquals(registration.answer, CallbackFixtures.callEntry(INT, handle, BLOCK), registration.toString());
            assertEquals(1, CallbackStateManagerNative.unregisterInDLL(handle));
            handle = 0;
        }
    }

    @Test
    void entryPointRemovesItsArgumentsAndWorksOnAMisalignedStack() {
        Target.assumeI386("stdcall entry points");
        handle = callbacks.register(INT);
        callbacks.answer = 0x13572468;
        long drift = CallbackFixtures.callIntMisaligned(handle, BLOCK);
        assertEquals(0, (int) (drift >> 32), "stack pointer moved over the call");
        assertEquals(0x13572468, (int) drift);
        assertEquals(1, callbacks.calls.get());
    }

    @Test
    void withoutAnEnvironmentTheEntryPointAnswersZeroWithoutCallingJava() {
        handle = callbacks.register(INT);
        callbacks.answer = 7;
        assertEquals(0, CallbackFixtures.callIntWithoutVirtualMachine(handle, BLOCK));
        assertEquals(0, callbacks.calls.get());
        assertEquals(7, CallbackFixtures.callEntry(INT, handle, BLOCK), "the virtual machine is back");
    }

    @ParameterizedTest
    @ValueSource(ints = {VOID, INT, LONG, DOUBLE, POINTER})
    void collectedReferentRaisesWithoutCallingJava(int typeIndex) {
        WeakReference<RecordingCallbacks> reference = new WeakReference<>(new RecordingCallbacks());
        handle = callbacks.registerInDLL(reference, typeIndex, 0);
        assertTrue(CallbackFixtures.collected(reference));
        int before = RecordingCallbacks.allCalls.get();
        TarveloNativeException thrown = assertThrows(TarveloNativeException.class,
                () -> CallbackFixtures.callEntry(typeIndex, handle, BLOCK));
        assertEquals(COLLECTED, thrown.getMessage());
        assertEquals(before, RecordingCallbacks.allCalls.get());
    }

    @Test
    void nullReferenceObjectGivesACallbackThatNeverCallsJava() {
        handle = callbacks.registerInDLL(null, INT, 0);
        assertNotEquals(0L, handle);
        int before = RecordingCallbacks.allCalls.get();
        assertEquals(0L, CallbackFixtures.callEntry(INT, handle, BLOCK));
        assertEquals(before, RecordingCallbacks.allCalls.get());
    }

    @Test
    void unregisteringTheZeroHandleAnswersZero() {
        assertEquals(0, CallbackStateManagerNative.unregisterInDLL(0));
    }

    @Test
    void unregisteringALiveHandleReleasesTheReferenceObject() {
        WeakReference<Object> referenceObject = registerThroughUnheldReferenceObject();
        assertFalse(CallbackFixtures.collected(referenceObject), "held by the registered callback");
        // On i386 only the low 32 bits of a handle count.
        long highWordNoise = Target.isI386() ? 0x5A5A5A5A00000000L : 0;
        assertEquals(1, CallbackStateManagerNative.unregisterInDLL(handle ^ highWordNoise));
        handle = 0;
        assertTrue(CallbackFixtures.collected(referenceObject));
    }

    private WeakReference<Object> registerThroughUnheldReferenceObject() {
        WeakReference<RecordingCallbacks> referenceObject = new WeakReference<>(callbacks);
        handle = callbacks.registerInDLL(referenceObject, INT, 0);
        return new WeakReference<>(referenceObject);
    }

    @ParameterizedTest
    @ValueSource(ints = {0, 11, -1, Integer.MIN_VALUE, Integer.MAX_VALUE})
    void typeIndexOutsideTheTablesIsRejectedAndCreatesNothing(int typeIndex) {
        WeakReference<Object> referenceObject = rejectRegistration(typeIndex);
        assertTrue(CallbackFixtures.collected(referenceObject), "no global reference was taken");
    }

    private WeakReference<Object> rejectRegistration(int typeIndex) {
        WeakReference<RecordingCallbacks> referenceObject = new WeakReference<>(callbacks);
        IllegalArgumentException thrown = assertThrows(IllegalArgumentException.class,
                () -> callbacks.registerInDLL(referenceObject, typeIndex, 0));
        assertEquals("callback type index " + typeIndex + " is not in 1..10", thrown.getMessage());
        return new WeakReference<>(referenceObject);
    }

    @Test
    void nativeThreadsCallBackAtOnceEachAttachedOnceAsItsOwnJavaThread() {
        int threads = 8;
        int calls = 50;
        Map<Long, Set<Thread>> threadsByBlock = new ConcurrentHashMap<>();
        callbacks.intAnswer = args -> {
            threadsByBlock.computeIfAbsent(args, block -> ConcurrentHashMap.newKeySet()).add(Thread.currentThread());
            return (int) args;
        };
        handle = callbacks.register(INT);
        assertEquals(threads, CallbackFixtures.callIntOnNativeThreads(handle, BLOCK, threads, calls));
        assertEquals(threads * calls, callbacks.calls.get());
        assertEquals(IntStream.range(0, threads).mapToObj(i -> BLOCK + i).collect(Collectors.toSet()),
                threadsByBlock.keySet());
        Set<Thread> distinct = ConcurrentHashMap.newKeySet();
        threadsByBlock.values().forEach(seen -> {
            assertEquals(1, seen.size(), "one Java thread for all callbacks of a native thread");
            distinct.addAll(seen);
        });
        assertEquals(threads, distinct.size());
        distinct.forEach(thread -> assertFalse(thread.isDaemon()));
    }

    @Test
    void hundredThousandCallbacksFromOneNativeThreadLeaveTheNativeHeapAsItWas() {
        callbacks.intAnswer = args -> (int) args;
        handle = callbacks.register(INT);
        // Eight windows: with the JIT on, its compiler threads allocate too, but not in every one.
        long growth = CallbackFixtures.cHeapGrowthOverCallbacks(handle, BLOCK, 5_000, 8, 25_000);
        assertNotEquals(Long.MIN_VALUE, growth, "a callback answered wrongly");
        // A local reference leaked per callback takes over 100 KiB in every window of 25,000.
        assertTrue(growth < 32 * 1024, "C heap grew by at least " + growth + " bytes in every window");
        assertEquals(205_000, callbacks.calls.get());
    }
}

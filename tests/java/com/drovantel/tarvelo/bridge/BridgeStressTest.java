package com.drovantel.tarvelo.bridge;

import static com.drovantel.tarvelo.bridge.CallFixtures.CDECL;
import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.drovantel.tarvelo.core.impl.jni.ArgumentBlock;
import com.drovantel.tarvelo.core.impl.jni.BufferNative;
import com.drovantel.tarvelo.core.impl.jni.CallbackStateManagerNative;
import com.drovantel.tarvelo.core.impl.jni.JNIEnv;
import com.drovantel.tarvelo.core.impl.jni.MethodNative;
import java.lang.ref.WeakReference;
import java.util.ArrayList;
import java.util.List;
import java.util.Map;
import java.util.concurrent.CyclicBarrier;
import java.util.concurrent.ExecutionException;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.Future;
import java.util.concurrent.atomic.AtomicInteger;
import java.util.stream.IntStream;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.TestReporter;
import org.junit.jupiter.params.provider.Arguments;

/**
 * The bridge under concurrent load: native threads call back into Java through registered
 * callbacks while Java threads register and unregister other callbacks, pin and release
 * global references, call native functions and move native memory. Every amount of work is
 * a count, so the test ends however slowly it runs.
 */
class BridgeStressTest {
    private static final int INT = 6;

    /** Java threads that register, use and unregister callbacks, a fixed number of rounds each. */
    private static final int REGISTERING_THREADS = 2;
    private static final int REGISTRATION_ROUNDS = 150;
    /**
     * Java threads that each start batches of new native threads calling back through one
     * callback of their own, at least MIN_BATCHES and then for as long as the registering
     * threads run.
     */
    private static final int CALLBACK_DRIVERS = 2;
    private static final int MIN_BATCHES = 3;
    private static final int NATIVE_THREADS_PER_BATCH = 4;
    private static final int CALLS_PER_NATIVE_THREAD = 300;
    /** The native-call and memory thread runs while the drivers do, at least this many rounds. */
    private static final int MIN_CALL_ROUNDS = 20;
    /** It asks for a full collection every this many rounds, while native threads call in. */
    private static final int ROUNDS_PER_COLLECTION = 100;

    private final AtomicInteger registrarsRunning = new AtomicInteger(REGISTERING_THREADS);
    private final AtomicInteger driversRunning = new AtomicInteger(CALLBACK_DRIVERS);
    private final AtomicInteger batches = new AtomicInteger();
    /** Every worker waits here before anything that can fail, so none is left waiting. */
    private final CyclicBarrier start = new CyclicBarrier(REGISTERING_THREADS + CALLBACK_DRIVERS + 1);

    @BeforeAll
    static void load() {
        CallFixtures.library();
    }

    @Test
    void nativeThreadsCallBackWhileJavaThreadsRegisterOthersCallAndAllocate(TestReporter reporter) throws Exception {
        ExecutorService pool = Executors.newFixedThreadPool(REGISTERING_THREADS + CALLBACK_DRIVERS + 1);
        try {
            List<Future<List<WeakReference<Object>>>> registrars = new ArrayList<>();
            for (int r = 0; r < REGISTERING_THREADS; r++) {
                int seed = r;
                registrars.add(pool.submit(() -> registerUseAndUnregister(seed)));
            }
            List<Future<Integer>> drivers = new ArrayList<>();
            for (int d = 0; d < CALLBACK_DRIVERS; d++) {
                long block = 0x10000L * (d + 1);
                drivers.add(pool.submit(() -> driveNativeThreads(block)));
            }
            Future<Integer> callsAndMemory = pool.submit(this::callAndMoveMemory);

            List<WeakReference<Object>> released = new ArrayList<>();
            for (Future<List<WeakReference<Object>>> registrar : registrars) {
                released.addAll(resultOf(registrar));
            }
            int nativeCallbacks = 0;
            for (Future<Integer> driver : drivers) {
                nativeCallbacks += resultOf(driver);
            }
            int callRounds = resultOf(callsAndMemory);

            assertEquals(REGISTERING_THREADS * REGISTRATION_ROUNDS, released.size());
            assertEveryReferenceObjectReleased(released);
            assertEquals(batches.get() * NATIVE_THREADS_PER_BATCH * CALLS_PER_NATIVE_THREAD, nativeCallbacks);
            reporter.publishEntry(Map.of(
                    "registrations", String.valueOf(released.size()),
                    "native threads", String.valueOf(batches.get() * NATIVE_THREADS_PER_BATCH),
                    "native callbacks", String.valueOf(nativeCallbacks),
                    "call and memory rounds", String.valueOf(callRounds)));
        } finally {
            pool.shutdown();
        }
        assertBridgeStillWorks();
    }

    /** A worker's result, with its own failure rethrown as it was. */
    private static <T> T resultOf(Future<T> future) throws Exception {
        try {
            return future.get();
        } catch (ExecutionException e) {
            if (e.getCause() instanceof Error error) {
                throw error;
            }
            throw (Exception) e.getCause();
        }
    }

    /**
     * Registers a callback that answers each native thread with its own block address, has
     * batches of new native threads call it back, and unregisters it; the number of callbacks
     * answered.
     */
    private int driveNativeThreads(long block) throws Exception {
        try {
            start.await();
            RecordingCallbacks target = new RecordingCallbacks();
            target.intAnswer = args -> (int) args;
            long handle = target.register(INT);
            assertNotEquals(0L, handle);
            try {
                for (int batch = 0; batch < MIN_BATCHES || registrarsRunning.get() > 0; batch++) {
                    int passed = CallbackFixtures.callIntOnNativeThreads(handle, block, NATIVE_THREADS_PER_BATCH,
                            CALLS_PER_NATIVE_THREAD);
                    assertEquals(NATIVE_THREADS_PER_BATCH, passed, "native threads with every answer right");
                    batches.incrementAndGet();
                }
            } finally {
                assertEquals(1, CallbackStateManagerNative.unregisterInDLL(handle));
            }
            return target.calls.get();
        } finally {
            driversRunning.decrementAndGet();
        }
    }

    /**
     * Rounds of: register a new callback of the next result type, call it once on this thread,
     * pin and release a global reference, unregister. Returns a weak link to every reference
     * object handed to the bridge, to show afterwards that none is still held.
     */
    private List<WeakReference<Object>> registerUseAndUnregister(int seed) throws Exception {
        try {
            start.await();
            return registerUseAndUnregisterRounds(seed);
        } finally {
            registrarsRunning.decrementAndGet();
        }
    }

    private static List<WeakReference<Object>> registerUseAndUnregisterRounds(int seed) {
        List<Arguments> results = CallbackTest.results().toList();
        List<WeakReference<Object>> referenceObjects = new ArrayList<>();
        for (int round = 0; round < REGISTRATION_ROUNDS; round++) {
            Object[] row = results.get((round + seed * 7) % results.size()).get();
            int typeIndex = (Integer) row[0];
            RecordingCallbacks target = new RecordingCallbacks();
            target.answer = (Long) row[1];
            WeakReference<RecordingCallbacks> referenceObject = new WeakReference<>(target);
            long handle = target.registerInDLL(referenceObject, typeIndex, round);
            assertNotEquals(0L, handle);
            referenceObjects.add(new WeakReference<>(referenceObject));

            long block = 0x100L * round;
            assertEquals((Long) row[2], CallbackFixtures.callEntry(typeIndex, handle, block), "type " + typeIndex);
            assertEquals(block, target.lastArgs);

            int pinned = JNIEnv.NewGlobalRef(target);
            assertNotEquals(0, pinned);
            JNIEnv.DeleteGlobalRef(pinned);

            assertEquals(1, CallbackStateManagerNative.unregisterInDLL(handle));
        }
        return referenceObjects;
    }

    /**
     * Rounds of native calls through the dispatch natives, one of them calling back into Java
     * on this thread, and of native memory traffic, with a full collection now and then while
     * native threads are calling in. Returns the number of rounds.
     */
    private int callAndMoveMemory() throws Exception {
        start.await();
        long words = CallFixtures.address("fixtureWords2");
        long forwarder = CallFixtures.address("forward_onCallInt");
        RecordingCallbacks target = new RecordingCallbacks();
        target.intAnswer = args -> (int) args * 3;
        long handle = target.register(INT);
        int round = 0;
        try {
            for (; round < MIN_CALL_ROUNDS || driversRunning.get() > 0; round++) {
                try (ArgumentBlock args = ArgumentBlock.of(round, -round)) {
                    assertEquals(CallFixtures.wordsHash(round, -round),
                            MethodNative.callInt(words, CDECL, args.address(), args.size()));
                }
                try (ArgumentBlock args = new ArgumentBlock().putAddress(handle).putInt(round)) {
                    assertEquals(round * 3, MethodNative.callInt(forwarder, CDECL, args.address(), args.size()));
                }
                moveMemory(round);
                if (round % ROUNDS_PER_COLLECTION == 0) {
                    System.gc();
                }
            }
        } finally {
            assertEquals(1, CallbackStateManagerNative.unregisterInDLL(handle));
        }
        return round;
    }

    /** Writes ints into a new block, grows it and reads them back from the moved block. */
    private static void moveMemory(int round) {
        int[] written = IntStream.range(0, 64).map(i -> i * round).toArray();
        long block = BufferNative.malloc(4L * written.length, false);
        assertNotEquals(0L, block);
        BufferNative.setIntArray(block, 0, written, 0, written.length);
        long grown = BufferNative.realloc(block, 4096 + round);
        assertNotEquals(0L, grown);
        int[] read = new int[written.length];
        BufferNative.getIntArray(grown, 0, read, 0, read.length);
        BufferNative.free(grown, false);
        assertArrayEquals(written, read);
    }

    /**
     * Every unregistered callback let go of its reference object: no global reference is left.
     * Each object still there makes the collector run until it is gone; a young collection may
     * have taken the later ones already, while earlier ones wait in the old generation.
     */
    private static void assertEveryReferenceObjectReleased(List<WeakReference<Object>> referenceObjects) {
        assertTrue(referenceObjects.stream().allMatch(CallbackFixtures::collected),
                "a reference object is still held after unregistering");
    }

    /** After the load, a callback from a new native thread still gets its answer. */
    private static void assertBridgeStillWorks() {
        RecordingCallbacks target = new RecordingCallbacks();
        target.intAnswer = args -> (int) args;
        long handle = target.register(INT);
        try {
            assertEquals(1, CallbackFixtures.callIntOnNativeThreads(handle, 0x4000, 1, 1));
        } finally {
            assertEquals(1, CallbackStateManagerNative.unregisterInDLL(handle));
        }
    }
}

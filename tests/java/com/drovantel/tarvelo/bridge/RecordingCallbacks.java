package com.drovantel.tarvelo.bridge;

import com.drovantel.tarvelo.core.impl.jni.CallbackStateManagerNative;
import java.lang.ref.WeakReference;
import java.util.concurrent.atomic.AtomicInteger;
import java.util.function.LongConsumer;
import java.util.function.LongToIntFunction;

/**
 * Callback methods of every result type that record each call and answer with one preset
 * value, narrowed to their type (float and double take it as raw bits).
 */
class RecordingCallbacks extends CallbackStateManagerNative {
    static final AtomicInteger allCalls = new AtomicInteger();

    final AtomicInteger calls = new AtomicInteger();
    volatile long lastArgs;
    volatile long answer;
    volatile RuntimeException failure;
    volatile LongToIntFunction intAnswer;
    /** Shown each argument block while it is valid, before the answer. */
    volatile LongConsumer blockReader;

    /** Registers this object, through a new weak reference to itself, for {@code typeIndex}. */
    long register(int typeIndex) {
        return registerInDLL(new WeakReference<>(this), typeIndex, 0);
    }

    private long record(long args) {
        allCalls.incrementAndGet();
        calls.incrementAndGet();
        lastArgs = args;
        LongConsumer reader = blockReader;
        if (reader != null) {
            reader.accept(args);
        }
        RuntimeException thrown = failure;
        if (thrown != null) {
            throw thrown;
        }
        return answer;
    }

    public void onCallVoid(long args) {
        record(args);
    }

    public boolean onCallBoolean(long args) {
        return record(args) != 0;
    }

    public byte onCallByte(long args) {
        return (byte) record(args);
    }

    public char onCallChar(long args) {
        return (char) record(args);
    }

    public short onCallShort(long args) {
        return (short) record(args);
    }

    public int onCallInt(long args) {
        long value = record(args);
        LongToIntFunction function = intAnswer;
        return function != null ? function.applyAsInt(args) : (int) value;
    }

    public long onCallLong(long args) {
        return record(args);
    }

    public float onCallFloat(long args) {
        return Float.intBitsToFloat((int) record(args));
    }

    public double onCallDouble(long args) {
        return Double.longBitsToDouble(record(args));
    }

    public long onCallPointer(long args) {
        return record(args);
    }
}

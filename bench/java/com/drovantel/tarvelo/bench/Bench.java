package com.drovantel.tarvelo.bench;

import com.drovantel.tarvelo.core.impl.jni.BufferNative;
import com.drovantel.tarvelo.core.impl.jni.CallbackStateManagerNative;
import com.drovantel.tarvelo.core.impl.jni.DynamicLibraryNative;
import com.drovantel.tarvelo.core.impl.jni.MethodNative;
import com.sun.jna.Callback;
import com.sun.jna.Library;
import com.sun.jna.Memory;
import com.sun.jna.Native;
import com.sun.jna.NativeLibrary;
import java.lang.ref.WeakReference;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;

/** Bridge against JNA and plain JNI, all on one JVM in one run. */
public final class Bench {
    private static final int CDECL = 0;
    private static final int TYPE_INT = 6;
    private static final int BULK_INTS = 1024;

    /** JNA interface mapping of the benchmark library. */
    public interface BenchLibrary extends Library {
        int add(int a, int b);

        int jna_upcall_loop(IntCallback callback, int count);
    }

    public interface IntCallback extends Callback {
        int invoke(int value);
    }

    /** JNA direct mapping of the benchmark library. */
    static final class JnaDirect {
        static native int add(int a, int b);
    }

    /** A bridge callback: decodes its one int argument from the block, as callers must. */
    public static final class IncrementCallback extends CallbackStateManagerNative {
        public int onCallInt(long args) {
            return BufferNative.getInt(args, 0) + 1;
        }
    }

    private Bench() {}

    public static void main(String[] args) {
        String benchLibrary = System.getProperty("tarvelo.bench.library");
        System.loadLibrary("tarvelo");
        System.load(benchLibrary);
        BenchLibrary jna = Native.load(benchLibrary, BenchLibrary.class);
        Native.register(JnaDirect.class, NativeLibrary.getInstance(benchLibrary));
        long library = DynamicLibraryNative.load(benchLibrary, benchLibrary);

        System.out.printf("JVM %s %s, %s bits, %s%n", System.getProperty("java.vm.name"),
                System.getProperty("java.version"), System.getProperty("sun.arch.data.model"),
                System.getProperty("os.arch"));
        java.util.List<String> groups = java.util.Arrays.asList(args);
        if (groups.isEmpty() || groups.contains("downcall")) downcalls(library, jna);
        if (groups.isEmpty() || groups.contains("memory")) memory();
        if (groups.isEmpty() || groups.contains("bulk")) bulk();
        if (groups.isEmpty() || groups.contains("upcall")) upcalls(library, jna);
        System.out.println("\n(checksum " + Harness.sink + ")");
    }

    private static void downcalls(long library, BenchLibrary jna) {
        long add = MethodNative.find(library, "add");
        long block = BufferNative.malloc(8, false);
        BufferNative.setInt(block, 0, 20);
        BufferNative.setInt(block, 4, 22);
        new Harness("Downcall of int add(int, int)")
                .add("plain JNI native (floor)", n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) sum += PlainJni.add(i, 1);
                    return sum;
                })
                .add("bridge callInt, prepared block", n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) sum += MethodNative.callInt(add, CDECL, block, 8);
                    return sum;
                })
                .add("bridge full call (2 x setInt + callInt)", n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) {
                        BufferNative.setInt(block, 0, i);
                        BufferNative.setInt(block, 4, 1);
                        sum += MethodNative.callInt(add, CDECL, block, 8);
                    }
                    return sum;
                })
                .add("JNA direct mapping", n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) sum += JnaDirect.add(i, 1);
                    return sum;
                })
                .add("JNA interface mapping", n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) sum += jna.add(i, 1);
                    return sum;
                })
                .run();
        BufferNative.free(block, false);
    }

    private static void memory() {
        long block = BufferNative.malloc(BULK_INTS * 4, true);
        Memory memory = new Memory(BULK_INTS * 4);
        memory.clear();
        ByteBuffer buffer = ByteBuffer.allocateDirect(BULK_INTS * 4).order(ByteOrder.nativeOrder());
        new Harness("Native memory: setInt then getInt (ns per pair)")
                .add("plain JNI natives (floor)", n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) {
                        PlainJni.setInt(block, i);
                        sum += PlainJni.getInt(block);
                    }
                    return sum;
                })
                .add("bridge setInt/getInt", n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) {
                        BufferNative.setInt(block, 4, i);
                        sum += BufferNative.getInt(block, 4);
                    }
                    return sum;
                })
                .add("JNA Pointer.setInt/getInt", n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) {
                        memory.setInt(4, i);
                        sum += memory.getInt(4);
                    }
                    return sum;
                })
                .add("direct ByteBuffer putInt/getInt", n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) {
                        buffer.putInt(4, i);
                        sum += buffer.getInt(4);
                    }
                    return sum;
                })
                .run();
        BufferNative.free(block, false);
    }

    private static void bulk() {
        long block = BufferNative.malloc(BULK_INTS * 4, true);
        Memory memory = new Memory(BULK_INTS * 4);
        memory.clear();
        int[] ints = new int[BULK_INTS];
        new Harness("Bulk transfer of 1,024 ints, native to Java")
                .add("plain JNI SetIntArrayRegion (floor)", n -> {
                    for (int i = 0; i < n; i++) PlainJni.getIntArray(block, ints);
                    return ints[7];
                })
                .add("bridge getIntArray", n -> {
                    for (int i = 0; i < n; i++) BufferNative.getIntArray(block, 0, ints, 0, BULK_INTS);
                    return ints[7];
                })
                .add("JNA Pointer.read", n -> {
                    for (int i = 0; i < n; i++) memory.read(0, ints, 0, BULK_INTS);
                    return ints[7];
                })
                .run();
        BufferNative.free(block, false);
    }

    private static void upcalls(long library, BenchLibrary jna) {
        final int perLoop = 1000;
        IncrementCallback callback = new IncrementCallback();
        long handle = callback.registerInDLL(new WeakReference<>(callback), TYPE_INT, 0);
        long loop = MethodNative.find(library, "tarvelo_upcall_loop");
        long block = BufferNative.malloc(8, false);
        BufferNative.setInt(block, 0, (int) handle);
        BufferNative.setInt(block, 4, perLoop);
        IntCallback jnaCallback = value -> value + 1;
        new Harness("Upcall: a native loop calls an int callback (ns per callback)")
                .add("plain JNI CallIntMethod (floor)", perLoop, n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) sum += PlainJni.upcallLoop(value -> value + 1, perLoop);
                    return sum;
                })
                .add("bridge onCallInt (callback decodes its block)", perLoop, n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) sum += MethodNative.callInt(loop, CDECL, block, 8);
                    return sum;
                })
                .add("JNA Callback", perLoop, n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) sum += jna.jna_upcall_loop(jnaCallback, perLoop);
                    return sum;
                })
                .run();
        CallbackStateManagerNative.unregisterInDLL(handle);
        BufferNative.free(block, false);
        if (callback.hashCode() == 0) System.out.print("");  // keeps the callback reachable
    }
}

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
import java.io.File;
import java.io.IOException;
import java.lang.ref.WeakReference;
import java.lang.reflect.Modifier;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.nio.IntBuffer;
import java.nio.file.Files;
import java.nio.file.Paths;
import jnr.ffi.LibraryLoader;
import jnr.ffi.Pointer;
import jnr.ffi.annotations.Delegate;

/** Bridge against JNA, JNR-FFI and plain JNI, all on one JVM in one run. */
public final class Bench {
    private static final int CDECL = 0;
    private static final int TYPE_INT = 6;
    private static final int BULK_INTS = 1024;
    private static final int UPCALLS_PER_LOOP = 1000;
    private static final java.util.List<String> GROUPS = java.util.List.of("downcall", "memory", "bulk", "upcall", "binding");

    /** JNA interface mapping of the benchmark library. */
    public interface BenchLibrary extends Library {
        int add(int a, int b);

        int pointer_upcall_loop(IntCallback callback, int count);
    }

    public interface IntCallback extends Callback {
        int invoke(int value);
    }

    /** JNA direct mapping of the benchmark library. */
    static final class JnaDirect {
        static native int add(int a, int b);
    }

    /** JNR-FFI mapping of the benchmark library. */
    public interface JnrLibrary {
        int add(int a, int b);

        int pointer_upcall_loop(JnrIntCallback callback, int count);
    }

    public interface JnrIntCallback {
        @Delegate
        int invoke(int value);
    }

    /** A bridge callback: decodes its one int argument from the block, as callers must. */
    public static final class IncrementCallback extends CallbackStateManagerNative {
        public int onCallInt(long args) {
            return BufferNative.getInt(args, 0) + 1;
        }
    }

    private Bench() {}

    public static void main(String[] args) {
        java.util.List<String> groups = java.util.Arrays.asList(args);
        for (String group : groups) {
            if (!GROUPS.contains(group)) {
                System.err.println("Bench: unknown group " + group + "; the groups are " + GROUPS);
                System.exit(2);
            }
        }
        String benchLibrary = System.getProperty("tarvelo.bench.library");
        System.loadLibrary("tarvelo");
        System.load(benchLibrary);
        BenchLibrary jna = Native.load(benchLibrary, BenchLibrary.class);
        Native.register(JnaDirect.class, NativeLibrary.getInstance(benchLibrary));
        File file = new File(benchLibrary);
        JnrLibrary jnr = LibraryLoader.create(JnrLibrary.class).search(file.getParent())
                .load(file.getName().replaceAll("^lib|\\.so$", ""));
        long library = DynamicLibraryNative.load(benchLibrary, benchLibrary);

        System.out.printf("JVM %s %s, %s bits, %s; %d processors; JNA %s; JNR-FFI add is %s%n",
                System.getProperty("java.vm.name"), System.getProperty("java.version"),
                System.getProperty("sun.arch.data.model"), System.getProperty("os.arch"),
                Runtime.getRuntime().availableProcessors(), Native.VERSION, jnrAddKind(jnr));
        if (groups.isEmpty() || groups.contains("downcall")) downcalls(library, jna, jnr);
        if (groups.isEmpty() || groups.contains("memory")) memory(jnr);
        if (groups.isEmpty() || groups.contains("bulk")) bulk(jnr);
        if (groups.isEmpty() || groups.contains("upcall")) upcalls(library, jna, jnr);
        if (groups.isEmpty() || groups.contains("binding")) binding();
        System.out.println("\n(checksum " + Harness.sink + ")");
    }

    /** JNR-FFI binds a method to a generated x86 stub when it can, else to Java code that calls jffi. */
    private static String jnrAddKind(JnrLibrary jnr) {
        try {
            boolean stub = Modifier.isNative(jnr.getClass().getMethod("add", int.class, int.class).getModifiers());
            return stub ? "a generated x86 stub" : "generated Java calling jffi";
        } catch (NoSuchMethodException e) {
            return "unknown";
        }
    }

    /** A zero-filled JNR-FFI block (the parameter must not be named jnr: the package is). */
    private static Pointer jnrBlock(JnrLibrary library, int size) {
        return jnr.ffi.Memory.allocateDirect(jnr.ffi.Runtime.getRuntime(library), size, true);
    }

    static String loadAverage() {
        try {
            String[] fields = Files.readString(Paths.get("/proc/loadavg")).trim().split("\\s+");
            return fields[0] + " " + fields[1] + " " + fields[2];
        } catch (IOException e) {
            return "unknown";
        }
    }

    private static void downcalls(long library, BenchLibrary jna, JnrLibrary jnr) {
        long add = MethodNative.find(library, "add");
        long block = BufferNative.malloc(8, false);
        BufferNative.setInt(block, 0, 20);
        BufferNative.setInt(block, 4, 22);
        // A second block, so that the prepared one keeps its words.
        long filled = BufferNative.malloc(8, false);
        ByteBuffer view = BufferNative.newDirectByteBuffer(filled, 8).order(ByteOrder.nativeOrder());
        new Harness("Downcall of int add(int, int)")
                .add("plain JNI native (floor)", n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) sum += PlainJni.add(i, 1);
                    return sum;
                })
                .add("plain JNI callInt through a function pointer", n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) sum += PlainJni.callInt(add, CDECL, block, 8);
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
                        BufferNative.setInt(filled, 0, i);
                        BufferNative.setInt(filled, 4, 1);
                        sum += MethodNative.callInt(add, CDECL, filled, 8);
                    }
                    return sum;
                })
                .add("bridge full call (2 x ByteBuffer.putInt + callInt)", n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) {
                        view.putInt(0, i);
                        view.putInt(4, 1);
                        sum += MethodNative.callInt(add, CDECL, filled, 8);
                    }
                    return sum;
                })
                .add("JNR-FFI interface mapping", n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) sum += jnr.add(i, 1);
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
                .goal("stub", "bridge callInt, prepared block", "plain JNI callInt through a function pointer", 1.3)
                .goal("JNI-free full call", "bridge full call (2 x ByteBuffer.putInt + callInt)",
                        "JNR-FFI interface mapping", 1.1)
                .goal("ahead of JNR-FFI", "bridge full call (2 x ByteBuffer.putInt + callInt)",
                        "JNR-FFI interface mapping", 1.0)
                .run();
        BufferNative.free(block, false);
        BufferNative.free(filled, false);
    }

    private static void memory(JnrLibrary jnr) {
        long block = BufferNative.malloc(BULK_INTS * 4, true);
        Memory memory = new Memory(BULK_INTS * 4);
        memory.clear();
        Pointer jnrMemory = jnrBlock(jnr, BULK_INTS * 4);
        ByteBuffer view = BufferNative.newDirectByteBuffer(block, BULK_INTS * 4).order(ByteOrder.nativeOrder());
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
                .add("bridge ByteBuffer view putInt/getInt", n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) {
                        view.putInt(4, i);
                        sum += view.getInt(4);
                    }
                    return sum;
                })
                .add("JNR-FFI Pointer.putInt/getInt", n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) {
                        jnrMemory.putInt(4, i);
                        sum += jnrMemory.getInt(4);
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
                .goal("ahead of JNR-FFI", "bridge ByteBuffer view putInt/getInt", "JNR-FFI Pointer.putInt/getInt", 1.0)
                .goal("natives ahead of JNR-FFI", "bridge setInt/getInt", "JNR-FFI Pointer.putInt/getInt", 1.0)
                .run();
        BufferNative.free(block, false);
    }

    private static void bulk(JnrLibrary jnr) {
        long block = BufferNative.malloc(BULK_INTS * 4, true);
        Memory memory = new Memory(BULK_INTS * 4);
        memory.clear();
        Pointer jnrMemory = jnrBlock(jnr, BULK_INTS * 4);
        IntBuffer view = BufferNative.newDirectByteBuffer(block, BULK_INTS * 4).order(ByteOrder.nativeOrder())
                .asIntBuffer();
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
                .add("bridge ByteBuffer view, IntBuffer.get", n -> {
                    for (int i = 0; i < n; i++) view.get(0, ints);
                    return ints[7];
                })
                .add("JNR-FFI Pointer.get", n -> {
                    for (int i = 0; i < n; i++) jnrMemory.get(0, ints, 0, BULK_INTS);
                    return ints[7];
                })
                .add("JNA Pointer.read", n -> {
                    for (int i = 0; i < n; i++) memory.read(0, ints, 0, BULK_INTS);
                    return ints[7];
                })
                .goal("ahead of JNR-FFI", "bridge getIntArray", "JNR-FFI Pointer.get", 1.0)
                .run();
        BufferNative.free(block, false);
    }

    private static void upcalls(long library, BenchLibrary jna, JnrLibrary jnr) {
        IncrementCallback callback = new IncrementCallback();
        long handle = callback.registerInDLL(new WeakReference<>(callback), TYPE_INT, 0);
        long loop = MethodNative.find(library, "tarvelo_upcall_loop");
        long block = BufferNative.malloc(8, false);
        BufferNative.setInt(block, 0, (int) handle);
        BufferNative.setInt(block, 4, UPCALLS_PER_LOOP);
        IntCallback jnaCallback = value -> value + 1;
        JnrIntCallback jnrCallback = value -> value + 1;
        new Harness("Upcall: a native loop calls an int callback (ns per callback)")
                .add("plain JNI CallIntMethod (floor)", UPCALLS_PER_LOOP, n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) sum += PlainJni.upcallLoop(value -> value + 1, UPCALLS_PER_LOOP);
                    return sum;
                })
                .add("bridge onCallInt (callback decodes its block)", UPCALLS_PER_LOOP, n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) sum += MethodNative.callInt(loop, CDECL, block, 8);
                    return sum;
                })
                .add("JNR-FFI @Delegate callback", UPCALLS_PER_LOOP, n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) sum += jnr.pointer_upcall_loop(jnrCallback, UPCALLS_PER_LOOP);
                    return sum;
                })
                .add("JNA Callback", UPCALLS_PER_LOOP, n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) sum += jna.pointer_upcall_loop(jnaCallback, UPCALLS_PER_LOOP);
                    return sum;
                })
                .goal("ahead of JNR-FFI", "bridge onCallInt (callback decodes its block)", "JNR-FFI @Delegate callback",
                        1.0)
                .run();
        CallbackStateManagerNative.unregisterInDLL(handle);
        BufferNative.free(block, false);
        if (callback.hashCode() == 0) System.out.print("");  // keeps the callback reachable
    }

    /** A proxy operation against its raw-JNI floor, each a C++ loop inside one native call. */
    private static void bindingPair(String title, String floor, Scenario raw, String proxy, Scenario bound,
            double maximum, int extraCalls) {
        Harness harness = new Harness("Binding: " + title).add(floor + " (floor)", raw).add(proxy, bound)
                .goal("binding", proxy, floor + " (floor)", maximum);
        if (extraCalls >= 0) harness.callsGoal("binding calls", proxy, floor + " (floor)", extraCalls);
        harness.run();
    }

    private static void binding() {
        String number = new String("12345");
        String bad = "x";
        java.io.ByteArrayInputStream stream = new java.io.ByteArrayInputStream(new byte[64]);
        int[] ints = new int[BULK_INTS];
        for (int i = 0; i < BULK_INTS; i++) ints[i] = i;
        bindingPair("length() on a long-lived String proxy", "raw JNI CallIntMethod",
                n -> Binding.rawLength(number, n), "proxy String::length", n -> Binding.proxyLength(number, n), 1.5, 1);
        bindingPair("a proxy from a method result, then one call: s.toString().length()",
                "raw JNI CallObjectMethod + CallIntMethod", n -> Binding.rawToStringLength(number, n),
                "proxy s.toString().length()", n -> Binding.proxyToStringLength(number, n), 2.5, -1);
        bindingPair("static call Integer.parseInt(String)", "raw JNI CallStaticIntMethod",
                n -> Binding.rawParseInt(number, n), "proxy Integer::parseInt", n -> Binding.proxyParseInt(number, n),
                1.5, -1);
        bindingPair("instance field read ByteArrayInputStream.count", "raw JNI GetIntField",
                n -> Binding.rawCount(stream, n), "proxy count.get()", n -> Binding.proxyCount(stream, n), 1.5, -1);
        bindingPair("static field read Integer.MAX_VALUE", "raw JNI GetStaticIntField", Binding::rawMaxValue,
                "proxy Integer::MAX_VALUE->get()", Binding::proxyMaxValue, 1.5, -1);
        bindingPair("IntJArray element read", "raw JNI GetIntArrayRegion of 1", n -> Binding.rawElement(ints, n),
                "proxy operator[] get()", n -> Binding.proxyElement(ints, n), 2.0, -1);
        bindingPair("IntJArray bulk get of 1,024 ints", "raw JNI GetIntArrayRegion of 1,024",
                n -> Binding.rawBulk(ints, n), "proxy get(0, 1024, buffer)", n -> Binding.proxyBulk(ints, n), 1.1, -1);
        bindingPair("a Java method that throws, caught in C++", "raw JNI ExceptionOccurred + ExceptionClear",
                n -> Binding.rawThrow(bad, n), "proxy catch (RuntimeException&)", n -> Binding.proxyThrow(bad, n),
                3.0, -1);
    }
}

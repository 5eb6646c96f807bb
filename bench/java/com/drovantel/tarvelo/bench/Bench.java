package com.drovantel.tarvelo.bench;

import com.drovantel.tarvelo.core.impl.jni.ArgumentBlock;
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
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.nio.IntBuffer;
import java.nio.file.Files;
import java.nio.file.Paths;
import java.util.Map;
import jnr.ffi.LibraryLoader;
import jnr.ffi.Pointer;
import jnr.ffi.annotations.Delegate;

/** Bridge against JNA, JNR-FFI and plain JNI, all on one JVM in one run. */
public final class Bench {
    private static final int CDECL = 0;
    private static final int TYPE_INT = 6;
    private static final int BULK_INTS = 1024;
    private static final int UPCALLS_PER_LOOP = 1000;
    private static final java.util.List<String> GROUPS =
            java.util.List.of("downcall", "mixed", "memory", "bulk", "upcall", "binding");
    private static final boolean X86_64 = "amd64".equals(System.getProperty("os.arch"));
    /** Panama's scenarios by group, from the jar compiled by a JDK 22 or later; empty without it. */
    private static Method panama;

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

        static native double mix(int a, double b, int c, double d, int e, double f, int g, double h);
    }

    /** JNR-FFI mapping of the benchmark library. */
    public interface JnrLibrary {
        int add(int a, int b);

        double mix(int a, double b, int c, double d, int e, double f, int g, double h);

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
        try {
            panama = Class.forName("com.drovantel.tarvelo.bench.Panama").getMethod("scenarios", String.class);
        } catch (ReflectiveOperationException e) {
            panama = null;
        }

        System.out.printf("JVM %s %s, %s bits, %s; %d processors; JNA %s; JNR-FFI add is %s; Panama %s%n",
                System.getProperty("java.vm.name"), System.getProperty("java.version"),
                System.getProperty("sun.arch.data.model"), System.getProperty("os.arch"),
                Runtime.getRuntime().availableProcessors(), Native.VERSION, jnrAddKind(jnr),
                panama != null ? "measured" : "absent (needs a JDK 22 or later)");
        if (groups.isEmpty() || groups.contains("downcall")) downcalls(library, jna, jnr);
        if (groups.isEmpty() || groups.contains("mixed")) mixed(library, jnr);
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

    /** Panama's scenarios of a group, in order; none without the Panama jar. */
    @SuppressWarnings("unchecked")
    private static Map<String, Scenario> panama(String group) {
        if (panama == null) return Map.of();
        try {
            return (Map<String, Scenario>) panama.invoke(null, group);
        } catch (ReflectiveOperationException e) {
            throw new IllegalStateException("Panama's " + group + " scenarios", e);
        }
    }

    /**
     * The offsets of arguments in a block as ArgumentBlock lays them out ('i' an int, 'd' a
     * double), for filling it through a view; register arguments only on x86-64.
     */
    private static int[] offsets(String kinds) {
        int[] offsets = new int[kinds.length()];
        int integers = 0;
        int vectors = 0;
        int stack = 0;
        for (int i = 0; i < offsets.length; i++) {
            boolean isInt = kinds.charAt(i) == 'i';
            if (X86_64) {
                offsets[i] = isInt ? 8 * integers++ : 48 + 8 * vectors++;
            } else {
                offsets[i] = stack;
                stack += isInt ? 4 : 8;
            }
        }
        return offsets;
    }

    /** Stops the run when a scenario's one operation disagrees with its floor's. */
    private static void check(String what, double expected, double actual) {
        if (expected != actual) {
            throw new IllegalStateException(what + " gave " + actual + " where the floor gives " + expected);
        }
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
        ArgumentBlock prepared = ArgumentBlock.of(20, 22);
        long block = prepared.address();
        long size = prepared.size();
        // A second block, so that the prepared one keeps its words.
        long filled = BufferNative.malloc(size, true);
        ByteBuffer view = BufferNative.newDirectByteBuffer(filled, size).order(ByteOrder.nativeOrder());
        int second = offsets("ii")[1];
        Harness harness = new Harness("Downcall of int add(int, int)")
                .add("plain JNI native (floor)", n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) sum += PlainJni.add(i, 1);
                    return sum;
                })
                .add("plain JNI callInt through a function pointer", n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) sum += PlainJni.callInt(add, CDECL, block, size);
                    return sum;
                })
                .add("bridge callInt, prepared block", n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) sum += MethodNative.callInt(add, CDECL, block, size);
                    return sum;
                })
                .add("bridge full call (2 x setInt + callInt)", n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) {
                        BufferNative.setInt(filled, 0, i);
                        BufferNative.setInt(filled, second, 1);
                        sum += MethodNative.callInt(add, CDECL, filled, size);
                    }
                    return sum;
                })
                .add("bridge full call (2 x ByteBuffer.putInt + callInt)", n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) {
                        view.putInt(0, i);
                        view.putInt(second, 1);
                        sum += MethodNative.callInt(add, CDECL, filled, size);
                    }
                    return sum;
                })
                .add("bridge full call (ArgumentBlock.of + callInt + close)", n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) {
                        try (ArgumentBlock args = ArgumentBlock.of(i, 1)) {
                            sum += MethodNative.callInt(add, CDECL, args.address(), args.size());
                        }
                    }
                    return sum;
                })
                .addAll(panama("downcall"))
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
                .goal("stub", "bridge callInt, prepared block", "plain JNI callInt through a function pointer",
                        X86_64 ? 1.1 : 1.3)
                .goal("prepared ahead of JNR-FFI", "bridge callInt, prepared block", "JNR-FFI interface mapping", 1.0)
                .goal("ahead of JNR-FFI", "bridge full call (2 x ByteBuffer.putInt + callInt)",
                        "JNR-FFI interface mapping", 1.0);
        if (panama != null) {
            harness.goal("prepared against Panama", "bridge callInt, prepared block", "Panama downcallHandle", 1.05)
                    .goal("full call against Panama", "bridge full call (2 x ByteBuffer.putInt + callInt)",
                            "Panama downcallHandle", 1.15);
        }
        view.putInt(0, 41).putInt(second, 1);
        check("callInt through the view", PlainJni.add(41, 1), MethodNative.callInt(add, CDECL, filled, size));
        harness.run();
        prepared.close();
        BufferNative.free(filled, false);
    }

    private static void mixed(long library, JnrLibrary jnr) {
        long mix = MethodNative.find(library, "mix");
        ArgumentBlock prepared = new ArgumentBlock().putInt(1).putDouble(2).putInt(3).putDouble(4).putInt(5)
                .putDouble(6).putInt(7).putDouble(8);
        long block = prepared.address();
        long size = prepared.size();
        long filled = BufferNative.malloc(size, true);
        ByteBuffer view = BufferNative.newDirectByteBuffer(filled, size).order(ByteOrder.nativeOrder());
        int[] at = offsets("idididid");
        Harness harness = new Harness("Downcall of double mix(int, double, int, double, int, double, int, double)")
                .add("plain JNI native (floor)", n -> {
                    double sum = 0;
                    for (int i = 0; i < n; i++) sum += PlainJni.mix(i, 2, 3, 4, 5, 6, 7, 8);
                    return (long) sum;
                })
                .add("bridge callDouble, prepared block", n -> {
                    double sum = 0;
                    for (int i = 0; i < n; i++) sum += MethodNative.callDouble(mix, CDECL, block, size);
                    return (long) sum;
                })
                .add("bridge full call (8 x ByteBuffer.put + callDouble)", n -> {
                    double sum = 0;
                    for (int i = 0; i < n; i++) {
                        view.putInt(at[0], i).putDouble(at[1], 2).putInt(at[2], 3).putDouble(at[3], 4)
                                .putInt(at[4], 5).putDouble(at[5], 6).putInt(at[6], 7).putDouble(at[7], 8);
                        sum += MethodNative.callDouble(mix, CDECL, filled, size);
                    }
                    return (long) sum;
                })
                .add("bridge full call (ArgumentBlock + callDouble + close)", n -> {
                    double sum = 0;
                    for (int i = 0; i < n; i++) {
                        try (ArgumentBlock args = new ArgumentBlock().putInt(i).putDouble(2).putInt(3).putDouble(4)
                                .putInt(5).putDouble(6).putInt(7).putDouble(8)) {
                            sum += MethodNative.callDouble(mix, CDECL, args.address(), args.size());
                        }
                    }
                    return (long) sum;
                })
                .addAll(panama("mixed"))
                .add("JNR-FFI interface mapping", n -> {
                    double sum = 0;
                    for (int i = 0; i < n; i++) sum += jnr.mix(i, 2, 3, 4, 5, 6, 7, 8);
                    return (long) sum;
                })
                .add("JNA direct mapping", n -> {
                    double sum = 0;
                    for (int i = 0; i < n; i++) sum += JnaDirect.mix(i, 2, 3, 4, 5, 6, 7, 8);
                    return (long) sum;
                })
                .goal("ahead of JNR-FFI", "bridge full call (8 x ByteBuffer.put + callDouble)",
                        "JNR-FFI interface mapping", 1.0);
        if (panama != null) {
            harness.goal("full call against Panama", "bridge full call (8 x ByteBuffer.put + callDouble)",
                    "Panama downcallHandle", 1.15);
        }
        check("callDouble with the prepared block", PlainJni.mix(1, 2, 3, 4, 5, 6, 7, 8),
                MethodNative.callDouble(mix, CDECL, block, size));
        view.putInt(at[0], 1).putDouble(at[1], 2).putInt(at[2], 3).putDouble(at[3], 4).putInt(at[4], 5)
                .putDouble(at[5], 6).putInt(at[6], 7).putDouble(at[7], 8);
        check("callDouble through the view", PlainJni.mix(1, 2, 3, 4, 5, 6, 7, 8),
                MethodNative.callDouble(mix, CDECL, filled, size));
        harness.run();
        prepared.close();
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
                .addAll(panama("memory"))
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
                .addAll(panama("bulk"))
                .add("JNA Pointer.read", n -> {
                    for (int i = 0; i < n; i++) memory.read(0, ints, 0, BULK_INTS);
                    return ints[7];
                })
                .goal("ahead of JNR-FFI", "bridge getIntArray", "JNR-FFI Pointer.get", 1.0)
                .run();
        BufferNative.free(block, false);
    }

    /**
     * A native of CallbackStateManagerNative that turns a callback handle into a plain C function
     * pointer and frees it (makeThunk(handle, callingConvention, argsSize), freeThunk(address)),
     * or null while the library has none: the thunk row of the upcalls is then skipped.
     */
    private static Method thunkNative(String name, Class<?>... parameters) {
        try {
            return CallbackStateManagerNative.class.getMethod(name, parameters);
        } catch (NoSuchMethodException e) {
            return null;
        }
    }

    private static long invoke(Method method, Object target, Object... args) {
        try {
            Object result = method.invoke(Modifier.isStatic(method.getModifiers()) ? null : target, args);
            return result instanceof Long value ? value : 0;
        } catch (ReflectiveOperationException e) {
            throw new IllegalStateException(method.getName(), e);
        }
    }

    private static void upcalls(long library, BenchLibrary jna, JnrLibrary jnr) {
        IncrementCallback callback = new IncrementCallback();
        long handle = callback.registerInDLL(new WeakReference<>(callback), TYPE_INT, 0);
        long loop = MethodNative.find(library, "tarvelo_upcall_loop");
        ArgumentBlock block = new ArgumentBlock().putAddress(handle).putInt(UPCALLS_PER_LOOP);
        IntCallback jnaCallback = value -> value + 1;
        JnrIntCallback jnrCallback = value -> value + 1;
        String thunkRow = "bridge thunk from the C loop (onCallInt decodes its block)";
        Method makeThunk = thunkNative("makeThunk", long.class, int.class, long.class);
        Method freeThunk = thunkNative("freeThunk", long.class);
        long thunk = 0;
        if (makeThunk != null && freeThunk != null) {
            try (ArgumentBlock oneInt = ArgumentBlock.of(0)) {
                thunk = invoke(makeThunk, callback, handle, CDECL, oneInt.size());
            }
        }
        ArgumentBlock thunkBlock = new ArgumentBlock().putAddress(thunk).putInt(UPCALLS_PER_LOOP);
        long pointerLoop = MethodNative.find(library, "pointer_upcall_loop");
        Harness harness = new Harness("Upcall: a native loop calls an int callback (ns per callback)")
                .add("plain JNI CallIntMethod (floor)", UPCALLS_PER_LOOP, n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) sum += PlainJni.upcallLoop(value -> value + 1, UPCALLS_PER_LOOP);
                    return sum;
                })
                .add("bridge onCallInt (callback decodes its block)", UPCALLS_PER_LOOP, n -> {
                    long sum = 0;
                    for (int i = 0; i < n; i++) sum += MethodNative.callInt(loop, CDECL, block.address(), block.size());
                    return sum;
                });
        if (thunk != 0) {
            harness.add(thunkRow, UPCALLS_PER_LOOP, n -> {
                long sum = 0;
                for (int i = 0; i < n; i++) sum += MethodNative.callInt(pointerLoop, CDECL, thunkBlock.address(), thunkBlock.size());
                return sum;
            });
        } else {
            System.out.printf("%n(skipped: %s, the library has no makeThunk/freeThunk natives)%n", thunkRow);
        }
        harness.addAll(UPCALLS_PER_LOOP, panama("upcall"))
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
                        1.0);
        if (thunk != 0) harness.goal("thunk ahead of JNR-FFI", thunkRow, "JNR-FFI @Delegate callback", 1.0);
        harness.run();
        if (thunk != 0) invoke(freeThunk, callback, thunk);
        CallbackStateManagerNative.unregisterInDLL(handle);
        block.close();
        thunkBlock.close();
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
                n -> Binding.rawLength(number, n), "proxy String::length", n -> Binding.proxyLength(number, n), 1.2, 1);
        bindingPair("a proxy from a method result, then one call: s.toString().length()",
                "raw JNI CallObjectMethod + CallIntMethod", n -> Binding.rawToStringLength(number, n),
                "proxy s.toString().length()", n -> Binding.proxyToStringLength(number, n), 2.0, -1);
        bindingPair("static call Integer.parseInt(String)", "raw JNI CallStaticIntMethod",
                n -> Binding.rawParseInt(number, n), "proxy Integer::parseInt", n -> Binding.proxyParseInt(number, n),
                1.2, -1);
        String checked = "raw JNI GetIntField + ExceptionCheck (second floor)";
        new Harness("Binding: instance field read ByteArrayInputStream.count")
                .add("raw JNI GetIntField (floor)", n -> Binding.rawCount(stream, n))
                .add(checked, n -> Binding.rawCountChecked(stream, n))
                .add("proxy count.get()", n -> Binding.proxyCount(stream, n))
                .goal("binding", "proxy count.get()", checked, 1.5)
                .run();
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

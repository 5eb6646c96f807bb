package com.drovantel.tarvelo.bench;

import static java.lang.foreign.ValueLayout.ADDRESS;
import static java.lang.foreign.ValueLayout.JAVA_DOUBLE;
import static java.lang.foreign.ValueLayout.JAVA_INT;

import java.lang.foreign.Arena;
import java.lang.foreign.FunctionDescriptor;
import java.lang.foreign.Linker;
import java.lang.foreign.MemorySegment;
import java.lang.foreign.SymbolLookup;
import java.lang.invoke.MethodHandle;
import java.lang.invoke.MethodHandles;
import java.lang.invoke.MethodType;
import java.nio.file.Path;
import java.util.LinkedHashMap;
import java.util.Map;

/**
 * Panama's foreign linker on the functions of the benchmark library; compiled only by a JDK 22
 * or later, and found by Bench through reflection. The handles are static finals, as Panama's
 * users keep them, so that the JIT compiler treats them as constants.
 */
public final class Panama {
    private static final Linker LINKER = Linker.nativeLinker();
    private static final SymbolLookup LIBRARY =
            SymbolLookup.libraryLookup(Path.of(System.getProperty("tarvelo.bench.library")), Arena.global());
    private static final FunctionDescriptor ADD_TYPE = FunctionDescriptor.of(JAVA_INT, JAVA_INT, JAVA_INT);
    private static final FunctionDescriptor MIX_TYPE = FunctionDescriptor.of(JAVA_DOUBLE, JAVA_INT, JAVA_DOUBLE,
            JAVA_INT, JAVA_DOUBLE, JAVA_INT, JAVA_DOUBLE, JAVA_INT, JAVA_DOUBLE);
    private static final FunctionDescriptor CALLBACK_TYPE = FunctionDescriptor.of(JAVA_INT, JAVA_INT);
    private static final MethodHandle ADD = downcall("add", ADD_TYPE);
    private static final MethodHandle ADD_CRITICAL = downcall("add", ADD_TYPE, Linker.Option.critical(false));
    private static final MethodHandle MIX = downcall("mix", MIX_TYPE);
    private static final MethodHandle MIX_CRITICAL = downcall("mix", MIX_TYPE, Linker.Option.critical(false));
    private static final MethodHandle LOOP = downcall("pointer_upcall_loop",
            FunctionDescriptor.of(JAVA_INT, ADDRESS, JAVA_INT));
    private static final MemorySegment CALLBACK = upcall();
    private static final MemorySegment BLOCK = Arena.global().allocate(4096, 8).fill((byte) 0);
    private static final int UPCALLS_PER_LOOP = 1000;
    private static final int BULK_INTS = 1024;

    private Panama() {}

    private static MethodHandle downcall(String name, FunctionDescriptor type, Linker.Option... options) {
        return LINKER.downcallHandle(LIBRARY.find(name).orElseThrow(), type, options);
    }

    private static MemorySegment upcall() {
        try {
            MethodHandle target = MethodHandles.lookup().findStatic(Panama.class, "increment",
                    MethodType.methodType(int.class, int.class));
            return LINKER.upcallStub(target, CALLBACK_TYPE, Arena.global());
        } catch (ReflectiveOperationException e) {
            throw new IllegalStateException(e);
        }
    }

    private static int increment(int value) {
        return value + 1;
    }

    /** The scenarios of a group, in order, by name. */
    public static Map<String, Scenario> scenarios(String group) {
        Map<String, Scenario> scenarios = new LinkedHashMap<>();
        switch (group) {
            case "downcall" -> {
                scenarios.put("Panama downcallHandle", unchecked(Panama::add));
                scenarios.put("Panama downcallHandle, Linker.Option.critical(false)", unchecked(Panama::addCritical));
            }
            case "mixed" -> {
                scenarios.put("Panama downcallHandle", unchecked(Panama::mix));
                scenarios.put("Panama downcallHandle, Linker.Option.critical(false)", unchecked(Panama::mixCritical));
            }
            case "memory" -> scenarios.put("Panama MemorySegment set/get", n -> {
                long sum = 0;
                for (int i = 0; i < n; i++) {
                    BLOCK.set(JAVA_INT, 4, i);
                    sum += BLOCK.get(JAVA_INT, 4);
                }
                return sum;
            });
            case "bulk" -> scenarios.put("Panama MemorySegment.copy", n -> {
                int[] ints = new int[BULK_INTS];
                for (int i = 0; i < n; i++) MemorySegment.copy(BLOCK, JAVA_INT, 0, ints, 0, BULK_INTS);
                return ints[7];
            });
            case "upcall" -> scenarios.put("Panama upcallStub", unchecked(Panama::upcalls));
            default -> {}
        }
        return scenarios;
    }

    // One loop per handle, each naming its static final: a handle passed as a parameter would
    // not be a constant in the loop's compiled code, and each call would dispatch on it.
    private static long add(int n) throws Throwable {
        long sum = 0;
        for (int i = 0; i < n; i++) sum += (int) ADD.invokeExact(i, 1);
        return sum;
    }

    private static long addCritical(int n) throws Throwable {
        long sum = 0;
        for (int i = 0; i < n; i++) sum += (int) ADD_CRITICAL.invokeExact(i, 1);
        return sum;
    }

    private static long mix(int n) throws Throwable {
        double sum = 0;
        for (int i = 0; i < n; i++) sum += (double) MIX.invokeExact(i, 2.0, 3, 4.0, 5, 6.0, 7, 8.0);
        return (long) sum;
    }

    private static long mixCritical(int n) throws Throwable {
        double sum = 0;
        for (int i = 0; i < n; i++) sum += (double) MIX_CRITICAL.invokeExact(i, 2.0, 3, 4.0, 5, 6.0, 7, 8.0);
        return (long) sum;
    }

    private static long upcalls(int n) throws Throwable {
        long sum = 0;
        for (int i = 0; i < n; i++) sum += (int) LOOP.invokeExact(CALLBACK, UPCALLS_PER_LOOP);
        return sum;
    }

    /** A loop that may throw what a handle's invokeExact declares. */
    private interface Loop {
        long run(int n) throws Throwable;
    }

    private static Scenario unchecked(Loop loop) {
        return n -> {
            try {
                return loop.run(n);
            } catch (Throwable e) {
                throw new IllegalStateException(e);
            }
        };
    }
}

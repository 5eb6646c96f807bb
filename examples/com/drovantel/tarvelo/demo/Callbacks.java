package com.drovantel.tarvelo.demo;

import com.drovantel.tarvelo.core.impl.jni.BufferNative;
import com.drovantel.tarvelo.core.impl.jni.CallbackStateManagerNative;
import com.drovantel.tarvelo.core.impl.jni.DynamicLibraryNative;
import com.drovantel.tarvelo.core.impl.jni.MethodNative;
import java.lang.ref.WeakReference;
import java.util.Arrays;

/**
 * Native code calling back into Java: the C library's qsort sorts an int array in native
 * memory, asking a Java comparator through a comparator thunk of the demo's native library.
 */
final class Callbacks {
    private static final int CDECL = 0;
    private static final int INT_RESULT = 6;

    private Callbacks() {}

    /** The thunk calls onCallInt with a block of two words: the pointers to the elements. */
    public static final class Comparator extends CallbackStateManagerNative {
        int comparisons;

        public int onCallInt(long args) {
            comparisons++;
            int left = BufferNative.getInt(BufferNative.getInt(args, 0), 0);
            int right = BufferNative.getInt(BufferNative.getInt(args, 4), 0);
            // Odd numbers first, then ascending: an order that C code would not guess.
            int byParity = Integer.compare(Math.floorMod(right, 2), Math.floorMod(left, 2));
            return byParity != 0 ? byParity : Integer.compare(left, right);
        }
    }

    /** Argument words in native memory, first argument at the lowest address. */
    private static long words(int... values) {
        long block = BufferNative.malloc(4L * values.length, false);
        BufferNative.setIntArray(block, 0, values, 0, values.length);
        return block;
    }

    private static void callVoid(long function, int... arguments) {
        long block = words(arguments);
        MethodNative.callVoid(function, CDECL, block, 4L * arguments.length);
        BufferNative.free(block, false);
    }

    static void show() {
        Demo.heading("Callbacks into Java");
        String demoLibrary = System.getProperty("tarvelo.demo.library");
        long comparators = DynamicLibraryNative.load(demoLibrary, demoLibrary);
        long libc = DynamicLibraryNative.load("libc.so.6", "libc.so.6");

        int[] values = {42, 7, -3, 18, 5, 0, 99, -12, 64, 1};
        long array = BufferNative.malloc(4L * values.length, true);
        BufferNative.setIntArray(array, 0, values, 0, values.length);
        System.out.println("in native memory: " + Arrays.toString(values));

        Comparator comparator = new Comparator();
        long handle = comparator.registerInDLL(new WeakReference<>(comparator), INT_RESULT, 0);
        System.out.printf("registered the comparator: handle 0x%08X%n", handle & 0xFFFFFFFFL);
        callVoid(MethodNative.find(comparators, "bindComparator"), (int) handle);
        callVoid(MethodNative.find(libc, "qsort"), (int) array, values.length, 4,
                (int) MethodNative.find(comparators, "compareThroughJava"));

        int[] sorted = new int[values.length];
        BufferNative.getIntArray(array, 0, sorted, 0, sorted.length);
        System.out.println("qsort, odd numbers first: " + Arrays.toString(sorted));
        System.out.printf("%d comparisons answered in Java; unregisterInDLL = %d%n", comparator.comparisons,
                CallbackStateManagerNative.unregisterInDLL(handle));

        BufferNative.free(array, true);
        DynamicLibraryNative.free(libc);
        DynamicLibraryNative.free(comparators);
    }
}

package com.drovantel.tarvelo.demo;

import com.drovantel.tarvelo.core.impl.jni.ArgumentBlock;
import com.drovantel.tarvelo.core.impl.jni.BufferNative;
import com.drovantel.tarvelo.core.impl.jni.CallbackStateManagerNative;
import com.drovantel.tarvelo.core.impl.jni.DynamicLibraryNative;
import com.drovantel.tarvelo.core.impl.jni.MethodNative;
import com.drovantel.tarvelo.core.impl.jni.TarveloNative;
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

    private static final int POINTER_SIZE = TarveloNative.getPlatformAddressSize();

    /** The pointer at index i of a native array of pointers. */
    private static long pointerAt(long array, int i) {
        return POINTER_SIZE == 8 ? BufferNative.getLong(array, 8L * i) : BufferNative.getInt(array, 4L * i);
    }

    /** The thunk calls onCallInt with a block of two pointers, to the elements compared. */
    public static final class Comparator extends CallbackStateManagerNative {
        int comparisons;

        public int onCallInt(long args) {
            comparisons++;
            int left = BufferNative.getInt(pointerAt(args, 0), 0);
            int right = BufferNative.getInt(pointerAt(args, 1), 0);
            // Odd numbers first, then ascending: an order that C code would not guess.
            int byParity = Integer.compare(Math.floorMod(right, 2), Math.floorMod(left, 2));
            return byParity != 0 ? byParity : Integer.compare(left, right);
        }
    }

    /** Calls a void function whose parameters are all pointers or pointer-sized integers. */
    private static void callVoid(long function, long... arguments) {
        try (ArgumentBlock block = new ArgumentBlock()) {
            for (long argument : arguments) {
                block.putAddress(argument);
            }
            MethodNative.callVoid(function, CDECL, block.address(), block.size());
        }
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
        System.out.printf("registered the comparator: handle 0x%X%n", POINTER_SIZE == 8 ? handle : handle & 0xFFFFFFFFL);
        callVoid(MethodNative.find(comparators, "bindComparator"), handle);
        // qsort(base, count, size, compare): the counts are size_t, pointer-sized.
        callVoid(MethodNative.find(libc, "qsort"), array, values.length, 4,
                MethodNative.find(comparators, "compareThroughJava"));

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

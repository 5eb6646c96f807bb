package com.drovantel.tarvelo.examples;

import com.drovantel.tarvelo.core.impl.jni.ArgumentBlock;
import com.drovantel.tarvelo.core.impl.jni.BufferNative;
import com.drovantel.tarvelo.core.impl.jni.CallbackStateManagerNative;
import com.drovantel.tarvelo.core.impl.jni.DynamicLibraryNative;
import com.drovantel.tarvelo.core.impl.jni.MethodNative;
import java.lang.ref.Reference;
import java.lang.ref.WeakReference;
import java.util.Arrays;

/** qsort with a Java comparator, through a thunk: a C function pointer made for a Java callback. */
public final class SortWithJavaComparator extends CallbackStateManagerNative {
    private static final int CDECL = 0;
    private static final int INT_CALLBACK = 6;  // the callback's type index: onCallInt

    public static void main(String[] args) {
        System.loadLibrary("tarvelo");
        System.out.println(Arrays.toString(sort(42, 7, -3, 18, 5)));
    }

    /** qsort's comparator, int (*)(const void*, const void*): the block holds the two pointers. */
    public int onCallInt(long args) {
        return Integer.compare(BufferNative.getInt(pointer(args, 0), 0), BufferNative.getInt(pointer(args, 1), 0));
    }

    /** Pointer parameter i of an argument block: i386 one word each, x86-64 RDI, RSI, ... */
    private static long pointer(long args, int i) {
        return ArgumentBlock.usesRegisterImage() ? BufferNative.getLong(args, 8L * i)
                : BufferNative.getInt(args, 4L * i) & 0xFFFFFFFFL;
    }

    public static int[] sort(int... values) {
        long libc = DynamicLibraryNative.load("libc.so.6", "libc.so.6");
        long array = BufferNative.malloc(4L * values.length, false);
        // The native side holds the comparator weakly: it must stay reachable until qsort returns.
        SortWithJavaComparator comparator = new SortWithJavaComparator();
        long handle = comparator.registerInDLL(new WeakReference<>(comparator), INT_CALLBACK, 0);
        long comparatorBlockSize;
        try (ArgumentBlock twoPointers = new ArgumentBlock().putAddress(0).putAddress(0)) {
            comparatorBlockSize = twoPointers.size();
        }
        long thunk = CallbackStateManagerNative.makeThunk(handle, CDECL, comparatorBlockSize);
        try (ArgumentBlock args = new ArgumentBlock().putAddress(array).putAddress(values.length).putAddress(4)
                .putAddress(thunk)) {
            BufferNative.setIntArray(array, 0, values, 0, values.length);
            MethodNative.callVoid(MethodNative.find(libc, "qsort"), CDECL, args.address(), args.size());
            int[] sorted = new int[values.length];
            BufferNative.getIntArray(array, 0, sorted, 0, sorted.length);
            return sorted;
        } finally {
            // The thunk first: no C code may call it once its callback is unregistered.
            CallbackStateManagerNative.freeThunk(thunk);
            CallbackStateManagerNative.unregisterInDLL(handle);
            Reference.reachabilityFence(comparator);
            BufferNative.free(array, false);
            DynamicLibraryNative.free(libc);
        }
    }
}

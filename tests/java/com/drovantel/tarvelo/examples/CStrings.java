package com.drovantel.tarvelo.examples;

import com.drovantel.tarvelo.core.impl.jni.ArgumentBlock;
import com.drovantel.tarvelo.core.impl.jni.BufferNative;
import com.drovantel.tarvelo.core.impl.jni.DynamicLibraryNative;
import com.drovantel.tarvelo.core.impl.jni.MethodNative;
import java.nio.charset.StandardCharsets;

/** strlen and getpid of the C library. */
public final class CStrings {
    private static final int CDECL = 0;

    public static void main(String[] args) {
        System.loadLibrary("tarvelo");
        System.out.println("strlen = " + strlen("native bridge") + ", getpid = " + getpid());
    }

    public static int strlen(String text) {
        long libc = DynamicLibraryNative.load("libc.so.6", "libc.so.6");
        byte[] bytes = text.getBytes(StandardCharsets.UTF_8);
        long string = BufferNative.malloc(bytes.length + 1, true);  // zeroed: the last byte ends the string
        try (ArgumentBlock args = new ArgumentBlock().putAddress(string)) {
            BufferNative.setByteArray(string, 0, bytes, 0, bytes.length);
            // size_t: the low 32 bits of the 64-bit result on x86-64 are enough here
            return MethodNative.callInt(MethodNative.find(libc, "strlen"), CDECL, args.address(), args.size());
        } finally {
            BufferNative.free(string, true);
            DynamicLibraryNative.free(libc);
        }
    }

    public static int getpid() {
        long libc = DynamicLibraryNative.load("libc.so.6", "libc.so.6");
        try (ArgumentBlock none = new ArgumentBlock()) {  // size 0: no arguments
            return MethodNative.callInt(MethodNative.find(libc, "getpid"), CDECL, none.address(), none.size());
        } finally {
            DynamicLibraryNative.free(libc);
        }
    }
}

package com.drovantel.tarvelo.demo;

import com.drovantel.tarvelo.core.impl.jni.ArgumentBlock;
import com.drovantel.tarvelo.core.impl.jni.BufferNative;
import com.drovantel.tarvelo.core.impl.jni.DynamicLibraryNative;
import com.drovantel.tarvelo.core.impl.jni.MethodNative;
import java.nio.charset.StandardCharsets;

/** Functions of the C library called from Java: load, find, build the argument block, call. */
final class NativeCalls {
    private static final int CDECL = 0;

    private NativeCalls() {}

    private static long cString(String text) {
        byte[] bytes = text.getBytes(StandardCharsets.UTF_8);
        long string = BufferNative.malloc(bytes.length + 1, false);
        BufferNative.setByteArray(string, 0, bytes, 0, bytes.length);
        return string;
    }

    private static String readCString(long address) {
        byte[] bytes = new byte[BufferNative.getStringLength(address, 0)];
        BufferNative.getByteArray(address, 0, bytes, 0, bytes.length);
        return new String(bytes, StandardCharsets.UTF_8);
    }

    static void show() {
        Demo.heading("Native calls");
        long libc = DynamicLibraryNative.load("libc.so.6", "libc.so.6");
        long libm = DynamicLibraryNative.load("libm.so.6", "libm.so.6");
        long addressBits = ArgumentBlock.usesRegisterImage() ? -1L : 0xFFFFFFFFL;
        System.out.printf("libc handle 0x%08X, libm handle 0x%08X%n", libc & addressBits, libm & addressBits);

        String text = "Hello from Java";
        long string = cString(text);
        try (ArgumentBlock args = new ArgumentBlock().putAddress(string)) {
            System.out.printf("strlen(\"%s\") = %d%n", text,
                    MethodNative.callInt(MethodNative.find(libc, "strlen"), CDECL, args.address(), args.size()));
        }
        try (ArgumentBlock args = new ArgumentBlock().putInt(-1234)) {
            System.out.printf("abs(-1234) = %d%n",
                    MethodNative.callInt(MethodNative.find(libc, "abs"), CDECL, args.address(), args.size()));
        }
        long number = cString("  2024 and more");
        try (ArgumentBlock args = new ArgumentBlock().putAddress(number)) {
            System.out.printf("atoi(\"  2024 and more\") = %d%n",
                    MethodNative.callInt(MethodNative.find(libc, "atoi"), CDECL, args.address(), args.size()));
        }
        try (ArgumentBlock args = new ArgumentBlock().putDouble(2).putDouble(0.5)) {
            System.out.printf("pow(2, 0.5) = %.15f%n",
                    MethodNative.callDouble(MethodNative.find(libm, "pow"), CDECL, args.address(), args.size()));
        }
        long buffer = BufferNative.malloc(80, false);
        long format = cString("%s has %d characters, pi is about %.4f");
        try (ArgumentBlock args = new ArgumentBlock().putAddress(buffer).putAddress(80).putAddress(format)
                .putAddress(string).putInt(text.length()).putDouble(Math.PI)) {
            int written = MethodNative.callInt(MethodNative.find(libc, "snprintf"), CDECL, args.address(), args.size());
            System.out.printf("snprintf wrote %d bytes: %s%n", written, readCString(buffer));
        }
        for (long block : new long[] {string, number, buffer, format}) {
            BufferNative.free(block, false);
        }
        System.out.printf("free(libc) = %b, free(libm) = %b (false: closed)%n",
                DynamicLibraryNative.free(libc), DynamicLibraryNative.free(libm));
    }
}

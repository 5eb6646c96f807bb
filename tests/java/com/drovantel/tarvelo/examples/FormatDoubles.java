package com.drovantel.tarvelo.examples;

import com.drovantel.tarvelo.core.impl.jni.ArgumentBlock;
import com.drovantel.tarvelo.core.impl.jni.BufferNative;
import com.drovantel.tarvelo.core.impl.jni.DynamicLibraryNative;
import com.drovantel.tarvelo.core.impl.jni.MethodNative;
import java.nio.charset.StandardCharsets;

/** snprintf, a variadic function, with doubles. */
public final class FormatDoubles {
    private static final int CDECL = 0;

    public static void main(String[] args) {
        System.loadLibrary("tarvelo");
        System.out.println(format("%.2f + %.2f = %g", 1.25, 2.5));
    }

    /** snprintf(buffer, 64, format, a, b, a + b): variadic floating-point arguments are doubles. */
    public static String format(String format, double a, double b) {
        long libc = DynamicLibraryNative.load("libc.so.6", "libc.so.6");
        byte[] formatBytes = format.getBytes(StandardCharsets.UTF_8);
        long formatString = BufferNative.malloc(formatBytes.length + 1, true);
        long buffer = BufferNative.malloc(64, true);
        try (ArgumentBlock args = new ArgumentBlock().putAddress(buffer).putAddress(64).putAddress(formatString)
                .putDouble(a).putDouble(b).putDouble(a + b)) {
            BufferNative.setByteArray(formatString, 0, formatBytes, 0, formatBytes.length);
            int length = MethodNative.callInt(MethodNative.find(libc, "snprintf"), CDECL, args.address(), args.size());
            byte[] text = new byte[Math.min(length, 63)];
            BufferNative.getByteArray(buffer, 0, text, 0, text.length);
            return new String(text, StandardCharsets.UTF_8);
        } finally {
            BufferNative.free(buffer, true);
            BufferNative.free(formatString, true);
            DynamicLibraryNative.free(libc);
        }
    }
}

package com.drovantel.tarvelo.examples;

import com.drovantel.tarvelo.core.impl.jni.ArgumentBlock;
import com.drovantel.tarvelo.core.impl.jni.BufferNative;
import com.drovantel.tarvelo.core.impl.jni.DynamicLibraryNative;
import com.drovantel.tarvelo.core.impl.jni.MethodNative;
import java.nio.charset.StandardCharsets;

/** errno after a failing open: saved by the call native before any other code ran. */
public final class ErrnoAfterOpen {
    private static final int CDECL = 0;
    private static final int O_RDONLY = 0;

    public static void main(String[] args) {
        System.loadLibrary("tarvelo");
        System.out.println("errno = " + openErrno("/no/such/file"));  // 2, ENOENT
    }

    /** errno of open(path, O_RDONLY), or 0 when it opened (the descriptor is then closed). */
    public static int openErrno(String path) {
        long libc = DynamicLibraryNative.load("libc.so.6", "libc.so.6");
        byte[] bytes = path.getBytes(StandardCharsets.UTF_8);
        long string = BufferNative.malloc(bytes.length + 1, true);
        try (ArgumentBlock args = new ArgumentBlock().putAddress(string).putInt(O_RDONLY)) {
            BufferNative.setByteArray(string, 0, bytes, 0, bytes.length);
            int descriptor = MethodNative.callInt(MethodNative.find(libc, "open"), CDECL, args.address(), args.size());
            // Read on this thread, next: the following call native replaces it.
            int errno = MethodNative.getLastErrno();
            if (descriptor < 0) {
                return errno;
            }
            try (ArgumentBlock close = new ArgumentBlock().putInt(descriptor)) {
                MethodNative.callInt(MethodNative.find(libc, "close"), CDECL, close.address(), close.size());
            }
            return 0;
        } finally {
            BufferNative.free(string, true);
            DynamicLibraryNative.free(libc);
        }
    }
}

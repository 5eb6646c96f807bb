package com.drovantel.tarvelo.bridge;

import com.drovantel.tarvelo.core.impl.jni.ArgumentBlock;
import com.drovantel.tarvelo.core.impl.jni.BufferNative;
import com.drovantel.tarvelo.core.impl.jni.DynamicLibraryNative;
import com.drovantel.tarvelo.core.impl.jni.MethodNative;
import java.nio.charset.StandardCharsets;

/** The fixture library's call targets, found through the bridge, and its stub probes. */
final class CallFixtures {
    static final int CDECL = 0;
    static final int STDCALL = 1;

    /** Result kind codes of the dispatch stub, 1 (void) to 9 (double). */
    static final int VOID = 1, BOOLEAN = 2, BYTE = 3, CHAR = 4, SHORT = 5, INT = 6, LONG = 7, FLOAT = 8,
            DOUBLE = 9;

    private static long library;

    private CallFixtures() {}

    /** True on x86-64, where blocks are register images and there is one calling convention. */
    static boolean registerImage() {
        Fixtures.load();
        return ArgumentBlock.usesRegisterImage();
    }

    /** The calling conventions that the target has fixtures of: stdcall is i386's. */
    static int[] conventions() {
        return registerImage() ? new int[] {CDECL} : new int[] {CDECL, STDCALL};
    }

    /** The fixture library's handle, loaded through the bridge once. */
    static synchronized long library() {
        if (library == 0) {
            Fixtures.load();
            String path = System.getProperty("tarvelo.fixtures");
            library = DynamicLibraryNative.load(path, path);
        }
        return library;
    }

    /** The address of a fixture function; fails the test when it is missing. */
    static long address(String name) {
        long address = MethodNative.find(library(), name);
        if (address == 0) {
            throw new AssertionError("fixture function not found: " + name);
        }
        return address;
    }

    /** The hash with which fixtureWordsN reports its arguments in parameter order. */
    static int wordsHash(int... words) {
        int hash = 7;
        for (int word : words) {
            hash = hash * 31 + word;
        }
        return hash;
    }

    /**
     * Fault bits of the registers that a call through the stub did not preserve (EBX 1, ESI 2,
     * EDI 4, EBP 8, ESP 0x10, EAX 0x20, ECX 0x40, EDX 0x80); the block holds the words 1 to 16.
     */
    static native int registerFaults(long function, int argsSize, int callingConvention);

    /** The eight bytes of a jvalue that held marker, after callGeneric stored into it. */
    static native long dispatchOverMarker(long marker, long function, int returnType, int callingConvention,
            long argsAddress, long argsSize);

    /**
     * The x87 status word before (bits 32-47), and the tag word (bits 16-31) and status word
     * (bits 0-15) after a cdecl call.
     */
    static native long x87StateAround(long function, int returnType, long argsAddress, long argsSize);

    /** A zero-terminated copy of text in native memory; the caller frees it with BufferNative. */
    static long newCString(String text) {
        byte[] bytes = text.getBytes(StandardCharsets.UTF_8);
        long string = BufferNative.malloc(bytes.length + 1, false);
        BufferNative.setByteArray(string, 0, bytes, 0, bytes.length);
        return string;
    }

    /** The zero-terminated text at address. */
    static String readCString(long address) {
        byte[] bytes = new byte[BufferNative.getStringLength(address, 0)];
        BufferNative.getByteArray(address, 0, bytes, 0, bytes.length);
        return new String(bytes, StandardCharsets.UTF_8);
    }

    /** Sends native standard output (file descriptor 1) to a temporary file. */
    static native boolean beginStdoutCapture();

    /** What native code wrote since beginStdoutCapture, as it stood before any flush here. */
    static native String endStdoutCapture();
}

package com.drovantel.tarvelo.bench;

/**
 * The binding layer's scenarios, in libtarvelobench.so: each native performs its operation n
 * times through a proxy (proxy...) or through raw JNI (raw..., the floor) and returns a
 * checksum.
 */
final class Binding {
    private Binding() {}

    static native long rawLength(String text, int n);
    static native long proxyLength(String text, int n);
    static native long rawToStringLength(String text, int n);
    static native long proxyToStringLength(String text, int n);
    static native long rawParseInt(String text, int n);
    static native long proxyParseInt(String text, int n);
    static native long rawCount(java.io.ByteArrayInputStream stream, int n);
    static native long rawCountChecked(java.io.ByteArrayInputStream stream, int n);
    static native long proxyCount(java.io.ByteArrayInputStream stream, int n);
    static native long rawMaxValue(int n);
    static native long proxyMaxValue(int n);
    static native long rawElement(int[] ints, int n);
    static native long proxyElement(int[] ints, int n);
    static native long rawBulk(int[] ints, int n);
    static native long proxyBulk(int[] ints, int n);
    static native long rawThrow(String text, int n);
    static native long proxyThrow(String text, int n);
}

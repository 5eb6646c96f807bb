package com.drovantel.tarvelo.core.impl.jni;

/** Facts of the native platform that native data layouts depend on. */
public final class TarveloNative {
    private TarveloNative() {}

    public static native int getPlatformAddressSize();
    public static native int getWideCharTSize();
    public static native boolean compiledWithMSVC();
    public static native boolean isMacOSX();
    public static native boolean isWindows();
    public static native int getJBooleanAlignSize();
    public static native int getJByteAlignSize();
    public static native int getJCharAlignSize();
    public static native int getJShortAlignSize();
    public static native int getJIntAlignSize();
    public static native int getJLongAlignSize();
    public static native int getJFloatAlignSize();
    public static native int getJDoubleAlignSize();
    public static native int testFunc(int value);
    /** The target the library was built for, "i386" or "x86_64": it decides the argument-block layout. */
    public static native String getArchitecture();
}

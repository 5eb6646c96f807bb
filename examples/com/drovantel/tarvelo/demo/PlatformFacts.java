package com.drovantel.tarvelo.demo;

import static com.drovantel.tarvelo.core.impl.jni.TarveloNative.*;

/** The facts of the platform that native data layouts are computed from. */
final class PlatformFacts {
    private PlatformFacts() {}

    static void show() {
        Demo.heading("Platform facts");
        System.out.printf("JVM: %s %s (%s bits)%n", System.getProperty("java.vm.name"),
                System.getProperty("java.version"), System.getProperty("sun.arch.data.model"));
        System.out.printf("pointer size %d bytes, wchar_t %d bytes%n",
                getPlatformAddressSize(), getWideCharTSize());
        System.out.printf("MSVC build %b, Mac OS X %b, Windows %b%n",
                compiledWithMSVC(), isMacOSX(), isWindows());
        System.out.printf("alignment: boolean %d, byte %d, char %d, short %d, int %d, long %d, float %d, double %d%n",
                getJBooleanAlignSize(), getJByteAlignSize(), getJCharAlignSize(), getJShortAlignSize(),
                getJIntAlignSize(), getJLongAlignSize(), getJFloatAlignSize(), getJDoubleAlignSize());
        System.out.printf("testFunc(0xCAFEBABE) = 0x%08X%n", testFunc(0xCAFEBABE));
    }
}

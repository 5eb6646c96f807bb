package com.drovantel.tarvelo.demo;

/** Shows, section by section, what the native library does for a Java program. */
public final class Demo {
    private Demo() {}

    public static void main(String[] args) {
        System.loadLibrary("tarvelo");
        PlatformFacts.show();
        NativeMemory.show();
        NativeCalls.show();
        Callbacks.show();
        PlatformProxies.show();
    }

    static void heading(String title) {
        System.out.println();
        System.out.println("== " + title + " ==");
    }
}

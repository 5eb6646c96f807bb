package com.drovantel.tarvelo.demo;

/** C++ code of the demo's native library using the Java platform through the proxies. */
final class PlatformProxies {
    private PlatformProxies() {}

    private static native void show0();

    static void show() {
        Demo.heading("C++ through the platform proxies");
        System.load(System.getProperty("tarvelo.demo.library"));
        show0();
    }
}

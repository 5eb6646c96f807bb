package com.example;

/** Hands a greeter to the native library, which works with it through the proxies. */
public final class Demo {
    static native boolean run(Greeter greeter);

    public static void main(String[] args) {
        System.loadLibrary("demo");
        boolean ok = run(new Greeter("Java"));
        System.out.println(ok ? "demo: all as expected" : "demo: FAILED");
        System.exit(ok ? 0 : 1);
    }
}

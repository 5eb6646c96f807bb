package com.drovantel.tarvelo.bridge;

/**
 * Native threads attach, call back and exit; the JVM must still exit when main returns,
 * which it would not while those threads stayed attached.
 */
public final class ExitAfterNativeThreads {
    public static void main(String[] args) {
        Fixtures.load();
        int bridge = Fixtures.attachNativeThreads(Fixtures.class, 4, false);
        int bindingLayer = Fixtures.attachNativeThreads(Fixtures.class, 4, true);
        if (bridge != 4 || bindingLayer != 4) {
            throw new AssertionError("native threads passed: " + bridge + " + " + bindingLayer);
        }
        System.out.println("main returns");
    }
}

package com.drovantel.tarvelo.bridge;

import static org.junit.jupiter.api.Assumptions.assumeTrue;

import com.drovantel.tarvelo.core.impl.jni.TarveloNative;

/** The target the library under test was built for, for the cases that only one target has. */
final class Target {
    private static final boolean I386;

    static {
        Fixtures.load();
        I386 = "i386".equals(TarveloNative.getArchitecture());
    }

    private Target() {}

    static boolean isI386() {
        return I386;
    }

    /** Skips the calling test on x86-64; {@code why} names what only i386 has. */
    static void assumeI386(String why) {
        assumeTrue(I386, "i386 only: " + why);
    }

    /** Skips the calling test on i386; {@code why} names what only x86-64 has. */
    static void assumeX86_64(String why) {
        assumeTrue(!I386, "x86-64 only: " + why);
    }
}

package com.drovantel.tarvelo.bridge;

/** Natives, in the fixture library, written with the proxies inside the boundary helper. */
final class BoundaryFixtures {
    /** What fail() throws natively; the fixture has the same numbers. */
    static final int NOTHING = 0;
    static final int NATIVEPP_EXCEPTION = 1;
    static final int STANDARD_EXCEPTION = 2;
    static final int INTEGER = 3;
    static final int ALREADY_PENDING = 4;
    static final int EMPTY_PROXY = 5;
    static final int PROXY_OF_NO_THROWABLE = 6;

    static {
        Fixtures.load();
        registerNatives();
    }

    private BoundaryFixtures() {}

    /** Integer.parseInt called through its proxy. */
    static native int parseInt(String text);
    /** The same, registered with RegisterNatives through the boundary's table entry. */
    static native int parseIntRegistered(String text);
    /** "Hello, " + name as a new String made natively; null for null. */
    static native String greet(String name);
    /** Throws natively what failure says, with message. */
    static native void fail(int failure, String message);
    /** Throws a proxy of throwable natively. */
    static native void throwProxyOf(Throwable throwable);

    private static native void registerNatives();
}

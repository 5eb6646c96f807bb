package com.drovantel.tarvelo.members;

/**
 * Classes whose static initialisers call native code of the binding layer's tests (the usual
 * initIDs pattern), so that a second thread can wait for an initialisation that comes back to
 * the class's own members.
 */
public final class InitRace {
    private InitRace() {}

    /** Registered by the native tests; which tells the nested class whose initialiser runs. */
    static native void initialising(int which);

    public static final class ByMethod {
        static { initialising(0); }

        public static int first() { return 1; }
        public static int second() { return 2; }
    }

    public static final class ByStaticFieldRead {
        public static String text = "initial";
        static { initialising(1); }
    }

    public static final class ByStaticFieldStore {
        public static String text = "initial";
        static { initialising(2); }
    }
}

package com.drovantel.tarvelo.bridge;

/**
 * A callback target of type int that needs no class of the library's Java side, for the
 * native test program, whose class path holds only the tests.
 */
final class IntCallbackTarget {
    static final int ANSWER = 0x600D;

    public int onCallInt(long args) {
        return ANSWER;
    }
}

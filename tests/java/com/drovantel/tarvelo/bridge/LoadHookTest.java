package com.drovantel.tarvelo.bridge;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.ValueSource;
import org.junit.jupiter.api.Test;

class LoadHookTest {
    @BeforeAll
    static void load() {
        Fixtures.load();
    }

    @ParameterizedTest
    @ValueSource(ints = {0, 1, -1, 0x12345678})
    void loadHookAsksForJni14WhateverReservedHolds(int reserved) {
        assertEquals(0x00010004, Fixtures.jniOnLoad(reserved));
    }

    @Test
    void javaThreadGetsItsOwnEnvironment() {
        assertTrue(Fixtures.getJNIEnvIsCallers());
    }

    @Test
    void unloadHookKeepsTheVirtualMachine() {
        assertTrue(Fixtures.vmKeptAfterUnload());
    }

    @ParameterizedTest
    @ValueSource(booleans = {false, true})
    void eightNativeThreadsAttachAtOnceAsNonDaemonThreads(boolean bindingLayer) {
        int before = Fixtures.nonDaemonCallbacks.get();
        assertEquals(8, Fixtures.attachNativeThreads(Fixtures.class, 8, bindingLayer));
        assertEquals(before + 8, Fixtures.nonDaemonCallbacks.get());
    }
}

package com.drovantel.tarvelo.bridge;

import static com.drovantel.tarvelo.bridge.CallFixtures.CDECL;
import static com.drovantel.tarvelo.bridge.CallFixtures.address;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;
import static org.junit.jupiter.api.Assumptions.assumeTrue;

import com.drovantel.tarvelo.core.impl.jni.ArgumentBlock;
import com.drovantel.tarvelo.core.impl.jni.BufferNative;
import com.drovantel.tarvelo.core.impl.jni.MethodNative;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;
import org.junit.jupiter.params.provider.ValueSource;

/**
 * Blocks that ArgumentBlock lays out for the running platform, against fixture functions of
 * many mixed arguments: one table for both targets. On x86-64 the shapes fill the integer and
 * vector registers and run onto the stack.
 */
class ArgumentShapeTest {
    @BeforeAll
    static void load() {
        Fixtures.load();
    }

    /** Argument k (from 1) of type I (int), L (long), F (float) or D (double), chosen to keep sums exact. */
    private static double put(ArgumentBlock block, char type, int k) {
        switch (type) {
            case 'I':
                block.putInt(3 * k - 20);
                return 3 * k - 20;
            case 'L':
                block.putLong((1L << 35) * k - k);
                return (1L << 35) * k - k;
            case 'F':
                block.putFloat(k + 0.5f);
                return k + 0.5f;
            default:
                block.putDouble(k * 0.25 - 3);
                return k * 0.25 - 3;
        }
    }

    @ParameterizedTest(name = "{0}({1})")
    @CsvSource({
        "shapeI6, IIIIII", "shapeI7, IIIIIII", "shapeL7, LLLLLLL",
        "shapeD8, DDDDDDDD", "shapeD9, DDDDDDDDD", "shapeF9, FFFFFFFFF",
        "shapeMixed18, IDFLDIFDILDFIDIFDI",
    })
    void everyArgumentReachesItsParameter(String function, String types) {
        try (ArgumentBlock block = new ArgumentBlock()) {
            double expected = 0;
            for (int k = 1; k <= types.length(); k++) {
                expected += put(block, types.charAt(k - 1), k) * k;
            }
            assertEquals(expected, MethodNative.callDouble(address(function), CDECL, block.address(), block.size()));
        }
    }

    @Test
    void anAddressAboveTheLowWordsReachesTheMemoryNativesAndTheCallee() {
        long page = MemoryFixtures.highPage();
        assertNotEquals(0, page, "no high page could be mapped");
        if (ArgumentBlock.usesRegisterImage()) {
            assertTrue(page >>> 32 != 0, "above 2^32: " + Long.toHexString(page));
        }
        BufferNative.setLong(page, 8, 0x0123456789ABCDEFL);
        try (ArgumentBlock block = new ArgumentBlock().putAddress(page + 8)) {
            assertEquals(0x0123456789ABCDEFL,
                    MethodNative.callLong(address("shapeReadLong"), CDECL, block.address(), block.size()));
        }
    }

    @ParameterizedTest(name = "{0} integer arguments")
    @ValueSource(ints = {0, 5, 6, 7, 8, 9, 10})
    void theStackIsAlignedForACalleeThatSpillsWithAlignedStores(int integers) {
        assumeTrue(ArgumentBlock.usesRegisterImage(), "the spilling probe is x86-64 code");
        try (ArgumentBlock block = new ArgumentBlock().putDouble(-2.75)) {
            for (int i = 0; i < integers; i++) {
                block.putInt(i);
            }
            assertEquals(-2.75, MethodNative.callDouble(address("fixtureAlignedSpill"), CDECL, block.address(),
                    block.size()));
        }
    }
}

package com.drovantel.tarvelo.bridge;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.drovantel.tarvelo.core.impl.jni.JNIEnv;
import java.lang.ref.WeakReference;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

/** Global references that the Java side holds as 32-bit handles. */
class GlobalReferenceTest {
    @BeforeAll
    static void load() {
        Fixtures.load();
    }

    @Test
    void handlePinsItsObjectUntilDeleted() {
        int[] handle = new int[1];
        WeakReference<Object> object = pinUnheldObject(handle);
        assertNotEquals(0, handle[0]);
        assertFalse(CallbackFixtures.collected(object));
        JNIEnv.DeleteGlobalRef(handle[0]);
        assertTrue(CallbackFixtures.collected(object));
    }

    @Test
    void eachHandleIsItsOwnReference() {
        int[] first = new int[1];
        WeakReference<Object> object = pinUnheldObject(first);
        int second = JNIEnv.NewGlobalRef(object.get());
        assertNotEquals(first[0], second);
        JNIEnv.DeleteGlobalRef(first[0]);
        assertFalse(CallbackFixtures.collected(object), "the second handle still pins it");
        JNIEnv.DeleteGlobalRef(second);
        assertTrue(CallbackFixtures.collected(object));
    }

    private static WeakReference<Object> pinUnheldObject(int[] handle) {
        Object object = new Object();
        handle[0] = JNIEnv.NewGlobalRef(object);
        return new WeakReference<>(object);
    }

    @Test
    void nullGivesTheNullHandleWhichDeletesHarmlessly() {
        assertEquals(0, JNIEnv.NewGlobalRef(null));
        JNIEnv.DeleteGlobalRef(0);
    }
}

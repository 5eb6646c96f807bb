package com.drovantel.tarvelo.bridge;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertSame;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.drovantel.tarvelo.core.impl.jni.TarveloLibraryNative;
import java.lang.ref.WeakReference;
import java.nio.charset.StandardCharsets;
import java.util.Map;
import java.util.Set;
import java.util.concurrent.ConcurrentHashMap;
import java.util.concurrent.atomic.AtomicInteger;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;

/** A Java object registered for native lookups of exported method addresses. */
class LibrarySelfRegistrationTest {
    static final Map<String, Long> EXPORTS = Map.of(
            "wide", 0x8000000180000002L,
            "low", 0x12345678L,
            "minusOne", -1L,
            "caf\u00e9\u0000\ud83d\ude00", 0x7FFFFFFF00000000L);

    /** Answers from a fixed table and records how it was asked. */
    static final class Library extends TarveloLibraryNative {
        final AtomicInteger lookups = new AtomicInteger();
        final Set<Thread> threads = ConcurrentHashMap.newKeySet();
        volatile String lastName;
        volatile RuntimeException failure;

        @Override
        public long findExportedMethodAddress(String name) {
            lookups.incrementAndGet();
            threads.add(Thread.currentThread());
            lastName = name;
            if (failure != null) {
                throw failure;
            }
            return EXPORTS.getOrDefault(name, 0L);
        }
    }

    private final Library library = new Library();

    @BeforeAll
    static void load() {
        Fixtures.load();
    }

    @AfterEach
    void unregister() {
        library.unregisterSelf();
    }

    @ParameterizedTest
    @CsvSource({"wide, 0", "low, 0", "minusOne, 0", "wide, 3", "minusOne, 3"})
    void lookupAnswersAll64BitsOfTheJavaResult(String name, int threads) {
        library.registerSelf("fixtures");
        assertEquals(EXPORTS.get(name), CallbackFixtures.findExportedMethodAddress(name, threads, 1));
        assertEquals(name, library.lastName);
        assertEquals(Math.max(threads, 1), library.lookups.get());
    }

    @Test
    void nameArrivesAsModifiedUtf8RoundTrip() {
        library.registerSelf("fixtures");
        String name = "caf\u00e9\u0000\ud83d\ude00";
        assertEquals(EXPORTS.get(name), CallbackFixtures.findExportedMethodAddress(name, 0, 1));
        assertEquals(name, library.lastName);
    }

    @Test
    void nameInStandardUtf8ArrivesWhole() {
        library.registerSelf("fixtures");
        String name = "caf\u00e9\ud83d\ude00";
        CallbackFixtures.findExportedMethodAddressOfBytes(name.getBytes(StandardCharsets.UTF_8));
        assertEquals(name, library.lastName);
    }

    @Test
    void nativeThreadsAreAttachedAndAnsweredEachTime() {
        library.registerSelf("fixtures");
        assertEquals(EXPORTS.get("wide"), CallbackFixtures.findExportedMethodAddress("wide", 4, 500));
        assertEquals(4 * 500, library.lookups.get());
        assertEquals(4, library.threads.size());
        assertFalse(library.threads.contains(Thread.currentThread()));
    }

    @Test
    void exceptionOfTheLookupReachesTheJavaCaller() {
        library.registerSelf("fixtures");
        library.failure = new IllegalStateException("no such export");
        assertSame(library.failure, assertThrows(IllegalStateException.class,
                () -> CallbackFixtures.findExportedMethodAddress("wide", 0, 2)));
        assertEquals(1, library.lookups.get(), "the second lookup waited for the pending exception");
    }

    @Test
    void nothingRegisteredAnswersZero() {
        library.unregisterSelf();
        assertEquals(0L, CallbackFixtures.findExportedMethodAddress("wide", 0, 1));
        assertEquals(0L, CallbackFixtures.findExportedMethodAddress("wide", 2, 1));
    }

    @Test
    void unregisteringTwiceIsHarmlessAndReleasesTheObject() {
        WeakReference<Library> registered = registerUnheldLibrary();
        assertFalse(CallbackFixtures.collected(registered), "held while registered");
        library.unregisterSelf();
        library.unregisterSelf();
        assertTrue(CallbackFixtures.collected(registered));
        assertEquals(0L, CallbackFixtures.findExportedMethodAddress("wide", 0, 1));
    }

    @Test
    void secondRegistrationReleasesTheObjectItReplaces() {
        WeakReference<Library> replaced = registerUnheldLibrary();
        library.registerSelf("fixtures");
        assertTrue(CallbackFixtures.collected(replaced));
        assertEquals(EXPORTS.get("low"), CallbackFixtures.findExportedMethodAddress("low", 0, 1));
        assertEquals(1, library.lookups.get());
    }

    private static WeakReference<Library> registerUnheldLibrary() {
        Library unheld = new Library();
        unheld.registerSelf("unheld");
        return new WeakReference<>(unheld);
    }

    @Test
    void objectWithoutTheLookupMethodIsRegisteredButNeverAsked() {
        assertThrows(NoSuchMethodError.class, () -> CallbackFixtures.registerLibraryObject(new Object()));
        assertEquals(0L, CallbackFixtures.findExportedMethodAddress("wide", 0, 1));
        assertEquals(0L, CallbackFixtures.findExportedMethodAddress("wide", 2, 1));
    }
}

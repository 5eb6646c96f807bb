package com.drovantel.tarvelo.bridge;

import static com.drovantel.tarvelo.bridge.CallFixtures.CDECL;
import static com.drovantel.tarvelo.bridge.CallFixtures.STDCALL;
import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertSame;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.drovantel.tarvelo.core.TarveloNativeException;
import com.drovantel.tarvelo.core.impl.jni.ArgumentBlock;
import com.drovantel.tarvelo.core.impl.jni.BufferNative;
import com.drovantel.tarvelo.core.impl.jni.CallbackStateManagerNative;
import com.drovantel.tarvelo.core.impl.jni.DynamicLibraryNative;
import com.drovantel.tarvelo.core.impl.jni.MethodNative;
import java.util.Arrays;
import java.util.Collections;
import java.util.stream.Stream;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.MethodSource;
import org.junit.jupiter.params.provider.ValueSource;

/**
 * The whole round trip: Java calls a native function through the dispatch natives, the
 * function calls an entry point, the entry point calls the Java callback, and the result
 * travels back through both.
 */
class CallbackThroughNativeCallTest {
    private static final int VOID = 1, BOOLEAN = 2, BYTE = 3, CHAR = 4, SHORT = 5, INT = 6, LONG = 7,
            FLOAT = 8, DOUBLE = 9, POINTER = 10;
    static final String[] ENTRY_POINTS = {null, "onCallVoid", "onCallBoolean", "onCallByte",
            "onCallChar", "onCallShort", "onCallInt", "onCallLong", "onCallFloat", "onCallDouble", "onCallPointer"};
    /** The callback's argument block: an address at or above 2^31, which the bridge never reads. */
    private static final long BLOCK = 0x80001234L;

    private static long tarvelo;

    private final RecordingCallbacks callbacks = new RecordingCallbacks();
    private long handle;

    @BeforeAll
    static void load() {
        CallFixtures.library();
        // Already loaded by the virtual machine, so the loader finds it by its SONAME.
        tarvelo = DynamicLibraryNative.load("libtarvelo.so.0", "libtarvelo.so.0");
        assertNotEquals(0L, tarvelo);
    }

    @AfterEach
    void unregister() {
        CallbackStateManagerNative.unregisterInDLL(handle);
    }

    /**
     * Calls {@code function} with the words (handle, BLOCK) through the call native that keeps
     * every bit of the result kind of {@code typeIndex}; the registers as one long, as
     * CallbackTest's table gives them.
     */
    private long callShowingRegisters(long function, int callingConvention, int typeIndex) {
        try (ArgumentBlock args = new ArgumentBlock().putAddress(handle).putAddress(BLOCK)) {
            switch (typeIndex) {
                case VOID:
                    MethodNative.callVoid(function, callingConvention, args.address(), args.size());
                    return 0;
                case LONG:
                    return MethodNative.callLong(function, callingConvention, args.address(), args.size());
                case FLOAT:
                    return Float.floatToRawIntBits(MethodNative.callFloat(function, callingConvention, args.address(),
                            args.size())) & 0xFFFFFFFFL;
                case DOUBLE:
                    return Double.doubleToRawLongBits(MethodNative.callDouble(function, callingConvention,
                            args.address(), args.size()));
                case POINTER:
                    return CallFixtures.registerImage()
                            ? MethodNative.callLong(function, callingConvention, args.address(), args.size())
                            : MethodNative.callInt(function, callingConvention, args.address(), args.size())
                                    & 0xFFFFFFFFL;
                default:
                    return MethodNative.callInt(function, callingConvention, args.address(), args.size()) & 0xFFFFFFFFL;
            }
        }
    }

    /** The cdecl fixture function that passes its two words on to the entry point of typeIndex. */
    private static long forwarder(int typeIndex) {
        return CallFixtures.address("forward_" + ENTRY_POINTS[typeIndex]);
    }

    @ParameterizedTest(name = "type {0}: Java answers {1}, registers hold {2}")
    @MethodSource("com.drovantel.tarvelo.bridge.CallbackTest#results")
    void resultTravelsBackThroughANativeFunction(int typeIndex, long answer, long registers) {
        handle = callbacks.register(typeIndex);
        callbacks.answer = answer;
        assertEquals(registers, callShowingRegisters(forwarder(typeIndex), CDECL, typeIndex));
        assertEquals(1, callbacks.calls.get());
        assertEquals(CallFixtures.registerImage() ? BLOCK : (long) (int) BLOCK, callbacks.lastArgs,
                "block address whole on x86-64, widened by sign extension on i386");
    }

    @ParameterizedTest(name = "type {0}: Java answers {1}, registers hold {2}")
    @MethodSource("com.drovantel.tarvelo.bridge.CallbackTest#results")
    void entryPointCalledDirectlyAsAStdcallFunction(int typeIndex, long answer, long registers) {
        handle = callbacks.register(typeIndex);
        callbacks.answer = answer;
        long entryPoint = MethodNative.find(tarvelo, ENTRY_POINTS[typeIndex]);
        assertEquals(registers, callShowingRegisters(entryPoint, entryConvention(), typeIndex));
        assertEquals(1, callbacks.calls.get());
    }

    static Stream<Arguments> typedResults() {
        return Stream.of(
                Arguments.of(BOOLEAN, 1L, true),
                Arguments.of(BYTE, -1L, (byte) -1),
                Arguments.of(CHAR, 0xFFFFL, (char) 65535),
                Arguments.of(SHORT, 0x8000L, (short) -32768),
                Arguments.of(INT, -7L, -7),
                Arguments.of(LONG, 0x8000000100000002L, 0x8000000100000002L),
                Arguments.of(FLOAT, (long) Float.floatToRawIntBits(1.5f), 1.5f),
                Arguments.of(DOUBLE, Double.doubleToRawLongBits(0.1), 0.1));
    }

    @ParameterizedTest(name = "type {0}: Java answers {1}, the call native returns {2}")
    @MethodSource("typedResults")
    void callNativeOfTheSameTypeReturnsTheJavaValue(int typeIndex, long answer, Object expected) {
        handle = callbacks.register(typeIndex);
        callbacks.answer = answer;
        long function = forwarder(typeIndex);
        try (ArgumentBlock args = new ArgumentBlock().putAddress(handle).putAddress(BLOCK)) {
            long a = args.address();
            long n = args.size();
            Object result = switch (typeIndex) {
                case BOOLEAN -> MethodNative.callBoolean(function, CDECL, a, n);
                case BYTE -> MethodNative.callByte(function, CDECL, a, n);
                case CHAR -> MethodNative.callChar(function, CDECL, a, n);
                case SHORT -> MethodNative.callShort(function, CDECL, a, n);
                case INT -> MethodNative.callInt(function, CDECL, a, n);
                case LONG -> MethodNative.callLong(function, CDECL, a, n);
                case FLOAT -> MethodNative.callFloat(function, CDECL, a, n);
                default -> MethodNative.callDouble(function, CDECL, a, n);
            };
            assertEquals(expected, result);
        }
    }

    @ParameterizedTest
    @ValueSource(ints = {VOID, BOOLEAN, BYTE, CHAR, SHORT, INT, LONG, FLOAT, DOUBLE, POINTER})
    void exceptionOfTheCallbackReachesTheJavaCallerOfTheCallNative(int typeIndex) {
        handle = callbacks.register(typeIndex);
        callbacks.failure = new IllegalStateException("thrown by the callback");
        IllegalStateException thrown = assertThrows(IllegalStateException.class,
                () -> callShowingRegisters(forwarder(typeIndex), CDECL, typeIndex));
        assertSame(callbacks.failure, thrown);
    }

    @Test
    void aCCallerDeclaredByTheInstalledHeaderOnlyReachesJavaAndTheStub() {
        handle = callbacks.register(INT);
        callbacks.answer = -7;
        try (ArgumentBlock args = new ArgumentBlock().putAddress(handle).putAddress(BLOCK)) {
            assertEquals(-7, MethodNative.callInt(CallFixtures.address("callIntThroughHeader"), CDECL, args.address(),
                    args.size()));
        }
        try (ArgumentBlock args = new ArgumentBlock().putAddress(CallFixtures.address("fixtureConstantLong"))) {
            assertEquals(0x0000000100000002L, MethodNative.callLong(CallFixtures.address("dispatchLongThroughHeader"),
                    CDECL, args.address(), args.size()));
        }
    }

    @Test
    void libcQsortSortsWithAJavaComparator() {
        int[] values = {42, -7, 1_000_000, 0, 13, Integer.MIN_VALUE, 13, 99, Integer.MAX_VALUE, -1};
        long array = BufferNative.malloc(4L * values.length, true);
        BufferNative.setIntArray(array, 0, values, 0, values.length);
        // Descending, so that the order can only have come from the Java comparator.
        int pointer = CallFixtures.registerImage() ? 8 : 4;
        callbacks.intAnswer = args -> Integer.compare(elementAt(pointerAt(args, pointer)), elementAt(pointerAt(args, 0)));
        handle = callbacks.register(INT);
        try (ArgumentBlock bind = new ArgumentBlock().putAddress(handle);
                ArgumentBlock sort = new ArgumentBlock().putAddress(array).putAddress(values.length).putAddress(4)
                        .putAddress(CallFixtures.address("compareThroughJava"))) {
            MethodNative.callVoid(CallFixtures.address("bindComparator"), CDECL, bind.address(), bind.size());
            long libc = DynamicLibraryNative.load("libc.so.6", "libc.so.6");
            MethodNative.callVoid(MethodNative.find(libc, "qsort"), CDECL, sort.address(), sort.size());
            DynamicLibraryNative.free(libc);
        }
        int[] sorted = new int[values.length];
        BufferNative.getIntArray(array, 0, sorted, 0, sorted.length);
        BufferNative.free(array, true);
        Integer[] expected = Arrays.stream(values).boxed().sorted(Collections.reverseOrder()).toArray(Integer[]::new);
        assertArrayEquals(Arrays.stream(expected).mapToInt(Integer::intValue).toArray(), sorted);
        assertTrue(callbacks.calls.get() >= values.length - 1, "qsort compared through Java");
    }

    @Test
    void qsortWithAComparatorLeftToTheCollectorThrowsInTheJavaCaller() {
        int[] values = {3, 1, 2};
        long array = BufferNative.malloc(4L * values.length, true);
        BufferNative.setIntArray(array, 0, values, 0, values.length);
        java.lang.ref.WeakReference<RecordingCallbacks> comparator =
                new java.lang.ref.WeakReference<>(new RecordingCallbacks());
        handle = callbacks.registerInDLL(comparator, INT, 0);
        assertTrue(CallbackFixtures.collected(comparator));
        long libc = DynamicLibraryNative.load("libc.so.6", "libc.so.6");
        try (ArgumentBlock bind = new ArgumentBlock().putAddress(handle);
                ArgumentBlock sort = new ArgumentBlock().putAddress(array).putAddress(values.length).putAddress(4)
                        .putAddress(CallFixtures.address("compareThroughJava"))) {
            MethodNative.callVoid(CallFixtures.address("bindComparator"), CDECL, bind.address(), bind.size());
            long qsort = MethodNative.find(libc, "qsort");
            TarveloNativeException thrown = assertThrows(TarveloNativeException.class,
                    () -> MethodNative.callVoid(qsort, CDECL, sort.address(), sort.size()));
            assertEquals(CallbackTest.COLLECTED, thrown.getMessage());
        } finally {
            DynamicLibraryNative.free(libc);
            BufferNative.free(array, true);
        }
    }

    /** The int that the element pointer {@code address} points to. */
    private static int elementAt(long address) {
        return BufferNative.getInt(address, 0);
    }

    /** The native pointer at offset bytes from address, as the target's pointer width holds it. */
    private static long pointerAt(long address, int offset) {
        return CallFixtures.registerImage() ? BufferNative.getLong(address, offset) : BufferNative.getInt(address, offset);
    }

    /** The entry points are stdcall on i386 and ordinary functions on x86-64. */
    private static int entryConvention() {
        return CallFixtures.registerImage() ? CDECL : STDCALL;
    }

    @Test
    void libraryLookupThroughTheDispatchNativesAnswersAll64Bits() {
        LibrarySelfRegistrationTest.Library library = new LibrarySelfRegistrationTest.Library();
        library.registerSelf("fixtures");
        long name = CallFixtures.newCString("wide");
        try (ArgumentBlock args = new ArgumentBlock().putAddress(name)) {
            long lookup = MethodNative.find(tarvelo, "findExportedMethodAddress");
            assertEquals(0x8000000180000002L,
                    MethodNative.callLong(lookup, entryConvention(), args.address(), args.size()));
            assertEquals("wide", library.lastName);
        } finally {
            BufferNative.free(name, false);
            library.unregisterSelf();
        }
    }
}

package com.drovantel.tarvelo.bridge;

import static com.drovantel.tarvelo.bridge.CallFixtures.CDECL;
import static com.drovantel.tarvelo.core.impl.jni.BufferNative.*;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.drovantel.tarvelo.core.TarveloNativeException;
import com.drovantel.tarvelo.core.impl.jni.ArgumentBlock;
import com.drovantel.tarvelo.core.impl.jni.CallbackStateManagerNative;
import com.drovantel.tarvelo.core.impl.jni.DynamicLibraryNative;
import com.drovantel.tarvelo.core.impl.jni.JNIEnv;
import com.drovantel.tarvelo.core.impl.jni.MethodNative;
import java.lang.ref.WeakReference;
import java.util.List;
import java.util.Objects;
import java.util.stream.IntStream;
import java.util.stream.LongStream;
import java.util.stream.Stream;
import org.junit.jupiter.api.AfterAll;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.MethodOrderer;
import org.junit.jupiter.api.Order;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.TestMethodOrder;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.MethodSource;

/**
 * Every native of the bridge given the bad inputs it must survive, one row per native and
 * input with the result it must get. Native standard output is captured around each row, so
 * each row also shows that nothing else is printed, -Xcheck:jni warnings included. The last
 * test shows the virtual machine still working after all of them. (TarveloNative's natives
 * take no input that could be bad.)
 */
@TestMethodOrder(MethodOrderer.OrderAnnotation.class)
class BadInputTest {
    private static final String ACCESS_ERROR = "Error accessing native memory";
    private static final boolean REGISTER_IMAGE = CallFixtures.registerImage();
    private static final String BLOCK_SIZE_ERROR = REGISTER_IMAGE
            ? "Argument block size must be 0, or 112 plus a multiple of 8 up to 112 + 65536"
            : "Argument block size must be a multiple of 4 from 0 to 65536";
    /** The x86-64 register image, before its stack slots. */
    private static final int IMAGE = 112;
    private static final int LARGEST_BLOCK = REGISTER_IMAGE ? IMAGE + 65536 : 65536;
    /** What fixtureRecord holds before a call that must not happen. */
    private static final int MARK = 0x5EED;
    private static final long PATTERN = 0x1122334455667788L;
    /** A callback's argument block; the bridge never reads it. */
    private static final long ARGS = 0x1000;
    private static final int INT = 6;
    private static final String MISSING_SYMBOL = "fixtureNoSuchFunction";

    /** A live block of 64 bytes for the rows that need one valid side. */
    private static long block;
    /** Readable for every block size a call row passes, had the call gone ahead. */
    private static long largeBlock;

    @BeforeAll
    static void allocate() {
        CallFixtures.library();
        block = malloc(64, false);
        largeBlock = malloc(2 * LARGEST_BLOCK, false);
    }

    @AfterAll
    static void release() {
        free(block, false);
        free(largeBlock, false);
    }

    /** A row's native call; a void native answers null. */
    interface Call {
        Object run() throws Exception;
    }

    interface VoidCall {
        void run() throws Exception;
    }

    interface Check {
        void check(Call call) throws Exception;
    }

    /** What a row's call must end in, and how the test names it. */
    record Outcome(String text, Check check) {}

    record Row(String nativeName, String input, Call call, Outcome outcome, String printed) {
        @Override
        public String toString() {
            return nativeName + ", " + input + " -> " + outcome.text;
        }
    }

    static Outcome returns(Object expected) {
        return returns(expected, expected instanceof Character c ? String.format("'\\u%04X'", (int) c)
                : String.valueOf(expected));
    }

    static Outcome returns(Object expected, String text) {
        return new Outcome(text, call -> assertEquals(expected, call.run()));
    }

    static final Outcome NOTHING = new Outcome("nothing", call -> assertEquals(null, call.run()));

    static Outcome raises(Class<? extends Throwable> type) {
        return new Outcome(type.getSimpleName(), call -> assertThrows(type, call::run));
    }

    static final Outcome REFUSES_BLOCK_SIZE = new Outcome("TarveloNativeException, function not called", call -> {
        assertEquals(BLOCK_SIZE_ERROR, assertThrows(TarveloNativeException.class, call::run).getMessage());
        assertEquals(MARK, recorded(), "fixtureRecord was called");
    });

    static final Outcome RAISES_ACCESS_ERROR = new Outcome("TarveloNativeException", call -> assertEquals(
            ACCESS_ERROR, assertThrows(TarveloNativeException.class, call::run).getMessage()));

    static Row row(String nativeName, String input, Call call, Outcome outcome) {
        return new Row(nativeName, input, call, outcome, "");
    }

    static Row voidRow(String nativeName, String input, VoidCall call, Outcome outcome) {
        return row(nativeName, input, () -> {
            call.run();
            return null;
        }, outcome);
    }

    static Stream<Row> rows() {
        return Stream.of(allocationRows(), scalarRows(), stringAndCopyRows(), arrayRows(), libraryRows(), callRows(),
                nullCallRows(), blockSizeRows(), callbackRows(), referenceRows(), libraryObjectRows()).flatMap(rows -> rows);
    }

    @Order(1)
    @ParameterizedTest(name = "{0}")
    @MethodSource("rows")
    void badInputGetsItsDocumentedResult(Row row) throws Exception {
        assertTrue(CallFixtures.beginStdoutCapture());
        String printed;
        try {
            row.outcome.check.check(row.call);
        } finally {
            printed = CallFixtures.endStdoutCapture();
        }
        assertEquals(row.printed, printed, "native standard output");
    }

    @Order(2)
    @Test
    void virtualMachineStillWorksAfterAllRows() {
        long address = malloc(16, false);
        setInt(address, 4, 0x5A6B7C8D);
        assertEquals(0x5A6B7C8D, getInt(address, 4));
        free(address, false);

        try (ArgumentBlock args = ArgumentBlock.of(3, 4)) {
            assertEquals(CallFixtures.wordsHash(3, 4),
                    MethodNative.callInt(CallFixtures.address("fixtureWords2"), CDECL, args.address(), args.size()));
        }

        RecordingCallbacks target = new RecordingCallbacks();
        target.answer = 0x13572468;
        long handle = target.register(INT);
        assertEquals(0x13572468L, CallbackFixtures.callEntry(INT, handle, ARGS));
        assertEquals(1, CallbackStateManagerNative.unregisterInDLL(handle));
    }

    // --- BufferNative: sizes ---

    static Stream<Row> allocationRows() {
        // 2^32 bytes are beyond i386's address space only.
        LongStream sizes = REGISTER_IMAGE ? LongStream.of(-1L, Long.MIN_VALUE, Long.MAX_VALUE)
                : LongStream.of(-1L, Long.MIN_VALUE, 1L << 32, Long.MAX_VALUE);
        Stream<Row> oversized = sizes.boxed().flatMap(size -> Stream.of(
                row("BufferNative.malloc", "size " + size, () -> malloc(size, false), returns(0L)),
                // The old block stays as it was, and still the caller's.
                row("BufferNative.realloc", "size " + size, () -> reallocOfPatternBlock(size),
                        returns(List.of(0L, PATTERN), "0, old block untouched"))));
        Stream<Row> zero = Stream.of(
                row("BufferNative.malloc", "size 0: a block free accepts", () -> freed(malloc(0, true)), returns(true)),
                row("BufferNative.realloc", "size 0: a usable block", () -> usedAndFreed(realloc(patternBlock(), 0)),
                        returns(true)),
                row("BufferNative.realloc", "address 0, size 0: a usable block", () -> usedAndFreed(realloc(0, 0)),
                        returns(true)),
                voidRow("BufferNative.free", "address 0", () -> free(0, false), NOTHING),
                voidRow("BufferNative.free", "address 0, other boolean", () -> free(0, true), NOTHING));
        return Stream.concat(oversized, zero);
    }

    private static long patternBlock() {
        long address = malloc(8, false);
        setLong(address, 0, PATTERN);
        return address;
    }

    /** The result of a realloc, and the old block's bytes after it. */
    private static List<Long> reallocOfPatternBlock(long size) {
        long old = patternBlock();
        long moved = realloc(old, size);
        long kept = getLong(old, 0);
        free(moved == 0 ? old : moved, false);
        return List.of(moved, kept);
    }

    private static boolean freed(long address) {
        free(address, false);
        return address != 0;
    }

    private static boolean usedAndFreed(long address) {
        if (address == 0) {
            return false;
        }
        setByte(address, 0, (byte) 0x5A);
        boolean kept = getByte(address, 0) == 0x5A;
        free(address, false);
        return kept;
    }

    // --- BufferNative: scalars, strings, copies ---

    static Stream<Row> scalarRows() {
        Stream<Row> atNull = BufferNativeTest.scalars().flatMap(arguments -> {
            Object[] scalar = arguments.get();
            String type = capitalized((String) scalar[0]);
            BufferNativeTest.Scalar access = (BufferNativeTest.Scalar) scalar[1];
            return Stream.of(
                    row("BufferNative.get" + type, "address 0", () -> access.get(0, 0), RAISES_ACCESS_ERROR),
                    voidRow("BufferNative.set" + type, "address 0", () -> access.set(0, 0, scalar[2]),
                            RAISES_ACCESS_ERROR));
        });
        // Only the effective address counts: on i386 computed on the low words, on x86-64 on all 64 bits.
        Stream<Row> wrapped = Stream.of(
                row("BufferNative.getInt", "address 16, offset -16", () -> getInt(16, -16), RAISES_ACCESS_ERROR),
                REGISTER_IMAGE
                        ? voidRow("BufferNative.setLong", "address 2^32, offset -2^32",
                                () -> setLong(1L << 32, -(1L << 32), 1), RAISES_ACCESS_ERROR)
                        : voidRow("BufferNative.setLong", "address 2^32", () -> setLong(1L << 32, 0, 1),
                                RAISES_ACCESS_ERROR));
        return Stream.concat(atNull, wrapped);
    }

    static Stream<Row> stringAndCopyRows() {
        return Stream.of(
                row("BufferNative.getStringLength", "address 0", () -> getStringLength(0, 0), RAISES_ACCESS_ERROR),
                row("BufferNative.getStringUnicodeLength", "address 0", () -> getStringUnicodeLength(0, 0),
                        RAISES_ACCESS_ERROR),
                voidRow("BufferNative.copyFrom", "destination 0, 8 bytes", () -> copyFrom(0, 0, block, 8),
                        RAISES_ACCESS_ERROR),
                voidRow("BufferNative.copyFrom", "source 0, 8 bytes", () -> copyFrom(block, 0, 0, 8),
                        RAISES_ACCESS_ERROR),
                voidRow("BufferNative.copyFrom", "destination and source 0, 0 bytes", () -> copyFrom(0, 0, 0, 0),
                        NOTHING),
                voidRow("BufferNative.copyFrom", "source 0, 0 bytes", () -> copyFrom(block, 0, 0, 0), NOTHING),
                row("BufferNative.newDirectByteBuffer", "address 0", () -> newDirectByteBuffer(0, 8),
                        RAISES_ACCESS_ERROR),
                row("BufferNative.newDirectByteBuffer", "size 0", () -> newDirectByteBuffer(block, 0),
                        RAISES_ACCESS_ERROR),
                row("BufferNative.newDirectByteBuffer", "size -1", () -> newDirectByteBuffer(block, -1),
                        RAISES_ACCESS_ERROR));
    }

    // --- BufferNative: the sixteen array natives ---

    static Stream<Row> arrayRows() {
        return ArrayTransferTest.kinds().flatMap(kind -> Stream.of(
                arrayRows("BufferNative.get" + capitalized(kind.name()) + "Array", kind, kind.get()),
                arrayRows("BufferNative.set" + capitalized(kind.name()) + "Array", kind, kind.set()))
                .flatMap(rows -> rows));
    }

    private static Stream<Row> arrayRows(String nativeName, ArrayTransferTest.Kind kind,
            ArrayTransferTest.Transfer transfer) {
        return Stream.of(
                voidRow(nativeName, "null array", () -> transfer.run(block, 0, null, 0, 1),
                        raises(NullPointerException.class)),
                voidRow(nativeName, "address 0, 2 elements", () -> transfer.run(0, 0, kind.newArray(2), 0, 2),
                        RAISES_ACCESS_ERROR),
                voidRow(nativeName, "address 0, 0 elements", () -> transfer.run(0, 0, kind.newArray(2), 2, 0),
                        NOTHING));
    }

    // --- DynamicLibraryNative and MethodNative.find ---

    static Stream<Row> libraryRows() {
        String fixtures = System.getProperty("tarvelo.fixtures");
        String missing = DynamicLibraryTest.MISSING;
        String missingFallback = missing.replace("missing", "fallback");
        return Stream.of(
                row("DynamicLibraryNative.load", "preferred null", () -> DynamicLibraryNative.load(fixtures, null),
                        raises(NullPointerException.class)),
                row("DynamicLibraryNative.load", "preferred missing, fallback null",
                        () -> DynamicLibraryNative.load(null, missing), raises(NullPointerException.class)),
                row("DynamicLibraryNative.load", "both null", () -> DynamicLibraryNative.load(null, null),
                        raises(NullPointerException.class)),
                new Row("DynamicLibraryNative.load", "both missing: two loader lines",
                        () -> DynamicLibraryNative.load(missingFallback, missing), returns(0L),
                        DynamicLibraryTest.notFound(missing) + "\n" + DynamicLibraryTest.notFound(missingFallback)
                                + "\n"),
                row("DynamicLibraryNative.free", "handle 0", () -> DynamicLibraryNative.free(0), returns(true)),
                // The null handle by its low word; on x86-64 a wild pointer.
                REGISTER_IMAGE ? null : row("DynamicLibraryNative.free", "handle 2^32",
                        () -> DynamicLibraryNative.free(1L << 32), returns(true)),
                row("MethodNative.find", "name null", () -> MethodNative.find(CallFixtures.library(), null),
                        raises(NullPointerException.class)),
                row("MethodNative.find", "handle 0, name null", () -> MethodNative.find(0, null),
                        raises(NullPointerException.class)),
                row("MethodNative.find", "unknown symbol",
                        () -> MethodNative.find(CallFixtures.library(), MISSING_SYMBOL), returns(0L)),
                row("MethodNative.find", "empty name", () -> MethodNative.find(CallFixtures.library(), ""),
                        returns(0L)),
                row("MethodNative.find", "handle 0, unknown symbol", () -> MethodNative.find(0, MISSING_SYMBOL),
                        returns(0L)),
                // Handle 0 is the loader's default handle: the global scope, where libc is.
                row("MethodNative.find", "handle 0: same strlen as libc's handle",
                        () -> MethodNative.find(0, "strlen") == strlenOfLibc(), returns(true)))
                .filter(Objects::nonNull);
    }

    private static long strlenOfLibc() {
        long libc = DynamicLibraryNative.load("libc.so.6", "libc.so.6");
        try {
            return MethodNative.find(libc, "strlen");
        } finally {
            DynamicLibraryNative.free(libc);
        }
    }

    // --- MethodNative calls: an argument block at 0 with size 0 is an empty block ---

    static Stream<Row> callRows() {
        String input = "block 0, size 0";
        return Stream.of(
                voidRow("MethodNative.callVoid", input,
                        () -> MethodNative.callVoid(constant("Word"), CDECL, 0, 0), NOTHING),
                row("MethodNative.callBoolean", input,
                        () -> MethodNative.callBoolean(constant("Word"), CDECL, 0, 0), returns(true)),
                row("MethodNative.callByte", input,
                        () -> MethodNative.callByte(constant("Word"), CDECL, 0, 0), returns((byte) 0xEF)),
                row("MethodNative.callChar", input,
                        () -> MethodNative.callChar(constant("Word"), CDECL, 0, 0), returns((char) 0xCDEF)),
                row("MethodNative.callShort", input,
                        () -> MethodNative.callShort(constant("Word"), CDECL, 0, 0), returns((short) 0xCDEF)),
                row("MethodNative.callInt", input,
                        () -> MethodNative.callInt(constant("Word"), CDECL, 0, 0), returns(0x89ABCDEF)),
                row("MethodNative.callLong", input,
                        () -> MethodNative.callLong(constant("Long"), CDECL, 0, 0), returns(0x0000000100000002L)),
                row("MethodNative.callFloat", input,
                        () -> MethodNative.callFloat(constant("Float"), CDECL, 0, 0), returns(1.5f)),
                row("MethodNative.callDouble", input,
                        () -> MethodNative.callDouble(constant("Double"), CDECL, 0, 0),
                        returns(-0x1.123456789ABCDp-1000)));
    }

    /** Calling address 0, or pushing words from a null block, is refused before the call. */
    static Stream<Row> nullCallRows() {
        String input = "function 0";
        return Stream.of(
                voidRow("MethodNative.callVoid", input, () -> MethodNative.callVoid(0, CDECL, 0, 0), RAISES_ACCESS_ERROR),
                row("MethodNative.callBoolean", input, () -> MethodNative.callBoolean(0, CDECL, 0, 0), RAISES_ACCESS_ERROR),
                row("MethodNative.callByte", input, () -> MethodNative.callByte(0, CDECL, 0, 0), RAISES_ACCESS_ERROR),
                row("MethodNative.callChar", input, () -> MethodNative.callChar(0, CDECL, 0, 0), RAISES_ACCESS_ERROR),
                row("MethodNative.callShort", input, () -> MethodNative.callShort(0, CDECL, 0, 0), RAISES_ACCESS_ERROR),
                row("MethodNative.callInt", input, () -> MethodNative.callInt(0, 1, 0, 0), RAISES_ACCESS_ERROR),
                row("MethodNative.callLong", input, () -> MethodNative.callLong(0, CDECL, 0, 0), RAISES_ACCESS_ERROR),
                row("MethodNative.callFloat", input, () -> MethodNative.callFloat(0, CDECL, 0, 0), RAISES_ACCESS_ERROR),
                row("MethodNative.callDouble", input, () -> MethodNative.callDouble(0, CDECL, 0, 0), RAISES_ACCESS_ERROR),
                row("MethodNative.callInt", "block 0, size " + (REGISTER_IMAGE ? IMAGE : 8),
                        () -> MethodNative.callInt(CallFixtures.address("fixtureWords2"), CDECL, 0,
                                REGISTER_IMAGE ? IMAGE : 8), RAISES_ACCESS_ERROR),
                // Only i386 drops the high word: on x86-64 2^32 is an address like any other.
                REGISTER_IMAGE ? null : row("MethodNative.callInt", "function 2^32 (low word 0)",
                        () -> MethodNative.callInt(1L << 32, CDECL, 0, 0), RAISES_ACCESS_ERROR))
                .filter(Objects::nonNull);
    }

    /** A call native, its result boxed (null for callVoid). */
    interface CallNative {
        Object call(long function, int callingConvention, long argsAddress, long argsSize);
    }

    record NamedCall(String name, CallNative invoke) {}

    static final List<NamedCall> CALL_NATIVES = List.of(
            new NamedCall("callVoid", (f, c, a, s) -> {
                MethodNative.callVoid(f, c, a, s);
                return null;
            }),
            new NamedCall("callBoolean", MethodNative::callBoolean), new NamedCall("callByte", MethodNative::callByte),
            new NamedCall("callChar", MethodNative::callChar), new NamedCall("callShort", MethodNative::callShort),
            new NamedCall("callInt", MethodNative::callInt), new NamedCall("callLong", MethodNative::callLong),
            new NamedCall("callFloat", MethodNative::callFloat), new NamedCall("callDouble", MethodNative::callDouble));

    /**
     * A block size outside the target's rule is refused before the call: on i386 negative, not a
     * multiple of 4 or above 64 KiB, by its low word; on x86-64 anything but 0 or the register
     * image plus whole 8-byte slots up to 64 KiB, by all 64 bits. Every native with a size off by
     * 4 bytes, and callVoid with the others.
     */
    static Stream<Row> blockSizeRows() {
        Stream<Row> everyNative = CALL_NATIVES.stream().map(named -> recordRow(named, REGISTER_IMAGE ? IMAGE + 4 : 6));
        LongStream refused = REGISTER_IMAGE
                ? LongStream.of(-8, 8, IMAGE - 8, IMAGE + 1, LARGEST_BLOCK + 8, (1L << 32) | IMAGE, 0xFFFFFFF8L)
                : LongStream.of(-4, 2, LARGEST_BLOCK + 4, 0xFFFFFFFCL, 1L << 31);
        Stream<Row> sizes = refused.mapToObj(size -> recordRow(CALL_NATIVES.get(0), size));
        Stream<Row> largest = Stream.of(row("MethodNative.callInt", "size " + LARGEST_BLOCK + ": called", () -> {
            // The two words, or the first two integer registers of the image.
            setLong(largeBlock, 0, REGISTER_IMAGE ? 3 : 3 | 4L << 32);
            setLong(largeBlock, 8, 4);
            return MethodNative.callInt(CallFixtures.address("fixtureWords2"), CDECL, largeBlock, LARGEST_BLOCK);
        }, returns(CallFixtures.wordsHash(3, 4))));
        return Stream.of(everyNative, sizes, largest).flatMap(rows -> rows);
    }

    private static Row recordRow(NamedCall named, long size) {
        return row("MethodNative." + named.name, "size " + size, () -> {
            record(MARK);
            return named.invoke.call(CallFixtures.address("fixtureRecord"), CDECL, largeBlock, size);
        }, REFUSES_BLOCK_SIZE);
    }

    private static void record(int value) {
        try (ArgumentBlock args = ArgumentBlock.of(value)) {
            MethodNative.callVoid(CallFixtures.address("fixtureRecord"), CDECL, args.address(), args.size());
        }
    }

    private static int recorded() {
        return MethodNative.callInt(CallFixtures.address("fixtureRecorded"), CDECL, 0, 0);
    }

    /** The fixture function without arguments that returns a constant of the kind. */
    private static long constant(String kind) {
        return CallFixtures.address("fixtureConstant" + kind);
    }

    // --- CallbackStateManagerNative and the entry points ---

    static Stream<Row> callbackRows() {
        Stream<Row> typeIndices = IntStream.of(0, 11, -1, Integer.MIN_VALUE, Integer.MAX_VALUE).mapToObj(
                typeIndex -> row("CallbackStateManagerNative.registerInDLL", "type index " + typeIndex, () -> {
                    RecordingCallbacks target = new RecordingCallbacks();
                    return target.registerInDLL(new WeakReference<>(target), typeIndex, 0);
                }, raises(IllegalArgumentException.class)));
        Stream<Row> handles = Stream.of(
                row("CallbackStateManagerNative.registerInDLL", "reference object null: answer, Java calls",
                        BadInputTest::callThroughNullReferenceObject, returns(List.of(0L, 0))),
                row("CallbackStateManagerNative.unregisterInDLL", "handle 0",
                        () -> CallbackStateManagerNative.unregisterInDLL(0), returns(0)),
                // The null handle by its low word; on x86-64 a wild pointer.
                REGISTER_IMAGE ? null : row("CallbackStateManagerNative.unregisterInDLL", "handle 2^32",
                        () -> CallbackStateManagerNative.unregisterInDLL(1L << 32), returns(0)))
                .filter(Objects::nonNull);
        Stream<Row> collected = IntStream.rangeClosed(1, 10).mapToObj(
                typeIndex -> row(CallbackThroughNativeCallTest.ENTRY_POINTS[typeIndex],
                        "referent collected: raised, Java calls", () -> callThroughClearedReferent(typeIndex),
                        returns(List.of(CallbackTest.COLLECTED, 0))));
        Stream<Row> nullHandle = IntStream.rangeClosed(1, 10).mapToObj(
                typeIndex -> row(CallbackThroughNativeCallTest.ENTRY_POINTS[typeIndex], "handle 0: registers",
                        () -> CallbackFixtures.callEntry(typeIndex, 0, ARGS), returns(0L)));
        return Stream.of(typeIndices, handles, collected, nullHandle, thunkRows()).flatMap(rows -> rows);
    }

    static Outcome raisesNative(String message) {
        return new Outcome("TarveloNativeException", call -> assertEquals(
                message, assertThrows(TarveloNativeException.class, call::run).getMessage()));
    }

    static Stream<Row> thunkRows() {
        Stream<Row> sizes = LongStream.of(-4, 2, LARGEST_BLOCK + 8, REGISTER_IMAGE ? 8 : 65540).mapToObj(
                size -> row("CallbackStateManagerNative.makeThunk", "argument block size " + size,
                        () -> withCallback(handle -> CallbackStateManagerNative.makeThunk(handle, CDECL, size)),
                        raisesNative(BLOCK_SIZE_ERROR)));
        return Stream.concat(sizes, Stream.of(
                row("CallbackStateManagerNative.makeThunk", "handle 0",
                        () -> CallbackStateManagerNative.makeThunk(0, CDECL, 0),
                        raisesNative("a thunk needs a registered callback handle, not 0")),
                row("CallbackStateManagerNative.freeThunk", "address 0",
                        () -> CallbackStateManagerNative.freeThunk(0), returns(0)),
                row("CallbackStateManagerNative.freeThunk", "a block, no thunk",
                        () -> CallbackStateManagerNative.freeThunk(block), raisesNative(NO_THUNK)),
                row("CallbackStateManagerNative.freeThunk", "a thunk freed before", () -> withCallback(handle -> {
                    long thunk = CallbackStateManagerNative.makeThunk(handle, CDECL, 0);
                    CallbackStateManagerNative.freeThunk(thunk);
                    return CallbackStateManagerNative.freeThunk(thunk);
                }), raisesNative(NO_THUNK)),
                row("a freed thunk", "called", () -> withCallback(handle -> {
                    long thunk = CallbackStateManagerNative.makeThunk(handle, CDECL, 0);
                    CallbackStateManagerNative.freeThunk(thunk);
                    return MethodNative.callInt(thunk, CDECL, 0, 0);
                }), raisesNative("a released thunk was called"))));
    }

    private static final String NO_THUNK = "freeThunk was given an address that is no thunk in use";

    interface HandleCall {
        Object run(long handle) throws Exception;
    }

    /** Runs {@code call} with the handle of a registered int callback, unregistered after. */
    private static Object withCallback(HandleCall call) throws Exception {
        RecordingCallbacks target = new RecordingCallbacks();
        long handle = target.register(INT);
        try {
            return call.run(handle);
        } finally {
            assertEquals(1, CallbackStateManagerNative.unregisterInDLL(handle));
        }
    }

    /** What the entry point answered, and how often Java was called. */
    private static List<Object> callThroughNullReferenceObject() {
        RecordingCallbacks target = new RecordingCallbacks();
        target.answer = 7;
        long handle = target.registerInDLL(null, INT, 0);
        try {
            return List.of(CallbackFixtures.callEntry(INT, handle, ARGS), target.calls.get());
        } finally {
            assertEquals(1, CallbackStateManagerNative.unregisterInDLL(handle));
        }
    }

    /**
     * What the entry point raised, and how often Java was called, after the reference object
     * was cleared as the collector clears it when its referent is collected.
     */
    private static List<Object> callThroughClearedReferent(int typeIndex) {
        RecordingCallbacks target = new RecordingCallbacks();
        target.answer = 7;
        WeakReference<RecordingCallbacks> referenceObject = new WeakReference<>(target);
        long handle = target.registerInDLL(referenceObject, typeIndex, 0);
        referenceObject.clear();
        try {
            TarveloNativeException thrown = assertThrows(TarveloNativeException.class,
                    () -> CallbackFixtures.callEntry(typeIndex, handle, ARGS));
            return List.of(thrown.getMessage(), target.calls.get());
        } finally {
            assertEquals(1, CallbackStateManagerNative.unregisterInDLL(handle));
        }
    }

    // --- JNIEnv ---

    static Stream<Row> referenceRows() {
        return Stream.of(
                row("JNIEnv.NewGlobalRef", "null", () -> JNIEnv.NewGlobalRef(null), returns(0)),
                voidRow("JNIEnv.DeleteGlobalRef", "handle 0", () -> JNIEnv.DeleteGlobalRef(0), NOTHING));
    }

    // --- TarveloLibraryNative and the exported lookup ---

    static Stream<Row> libraryObjectRows() {
        return Stream.of(
                voidRow("TarveloLibraryNative.unregisterSelf", "nothing registered", () -> {
                    LibrarySelfRegistrationTest.Library library = new LibrarySelfRegistrationTest.Library();
                    library.unregisterSelf();
                    library.unregisterSelf();
                }, NOTHING),
                row("findExportedMethodAddress", "nothing registered",
                        () -> CallbackFixtures.findExportedMethodAddress("wide", 0, 1), returns(0L)),
                row("TarveloLibraryNative.registerSelf", "name null: lookups answered", () -> {
                    LibrarySelfRegistrationTest.Library library = new LibrarySelfRegistrationTest.Library();
                    library.registerSelf(null);
                    try {
                        return CallbackFixtures.findExportedMethodAddress("wide", 0, 1);
                    } finally {
                        library.unregisterSelf();
                    }
                }, returns(LibrarySelfRegistrationTest.EXPORTS.get("wide"), "the Java object's answer")));
    }

    private static String capitalized(String name) {
        return Character.toUpperCase(name.charAt(0)) + name.substring(1);
    }
}

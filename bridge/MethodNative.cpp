// Symbol lookup and the natives that call a native function with a prepared block of
// argument words, one per Java result type.
#include "bridge/MethodNative.h"

#include <cxxabi.h>
#include <dlfcn.h>

#include <cerrno>

#include "bridge/JavaExceptions.h"
#include "bridge/LoaderName.h"
#include "bridge/NativeAddress.h"
#include "bridge/NativeBarrier.h"
#include "bridge/asm_dispatch.h"

namespace {

// The tests of the call path are combined without short-circuits, so that a call that goes
// ahead takes one branch for all of them: under emulation every branch ends a translated block.
#if defined(__x86_64__)
// A register image and whole stack slots; the slots go onto the calling thread's stack, which
// must keep room for the called function. All 64 bits of the size count.
using BlockSize = jlong;

bool isBlockSize(jlong size) {
    const auto stackBytes = static_cast<unsigned long long>(size) - TARVELO_REGISTER_IMAGE_SIZE;
    return (size == 0) |
           ((stackBytes <= TARVELO_LARGEST_STACK_AREA) & (stackBytes % TARVELO_STACK_SLOT_SIZE == 0));
}

constexpr const char* kBlockSizeRule =
    "Argument block size must be 0, or 112 plus a multiple of 8 up to 112 + 65536";
#else
// The stub pushes whole words, and the block goes onto the calling thread's stack, which must
// keep room for the called function.
using BlockSize = int;

bool isBlockSize(int size) {
    return (static_cast<unsigned>(size) <= static_cast<unsigned>(TARVELO_LARGEST_STACK_AREA)) & ((size & 3) == 0);
}

constexpr const char* kBlockSizeRule = "Argument block size must be a multiple of 4 from 0 to 65536";
#endif

// Out of line, so that the call path itself needs no address of a message.
[[gnu::noinline, gnu::cold]] void refuseCall(JNIEnv* env, bool badBlockSize) {
    if (env != nullptr) {
        ThrowNativeException(env, badBlockSize ? kBlockSizeRule : "Error accessing native memory");
    }
}

// errno as the last call native on this thread left it, for getLastErrno, and the address of
// the thread's errno, which stays the same for the thread's life: found once, it spares every
// call native the C library's __errno_location through the PLT. Initial-exec: one load relative
// to the thread pointer, where the default model for a shared library calls __tls_get_addr;
// a few bytes fit the static TLS that the C library keeps for libraries loaded later.
struct ErrnoSlots {
    int lastErrno;
    int* threadErrno;
};
[[gnu::tls_model("initial-exec")]] thread_local ErrnoSlots errnoSlots = {0, nullptr};

// callGeneric's body, inlined into each call native: calling the exported callGeneric and
// asm_dispatch would go through the PLT, whose indirect jumps cost more than the rest of
// the call path under emulation.
inline void dispatchCall(JNIEnv* env, jlong address, int returnType, jvalue* result, jlong argsAddress,
                         int callingConvention, jlong argsSize) {
    void* function = fromJavaAddress(address);
    const void* block = fromJavaAddress(argsAddress);
    const auto blockSize = static_cast<BlockSize>(lowByteCount(argsSize));
    // Any other size would shift or drop arguments without a sign; calling 0, or reading
    // arguments from a null block, would crash the virtual machine.
    const bool badBlockSize = !isBlockSize(blockSize);
    if (__builtin_expect(badBlockSize | (function == nullptr) | ((block == nullptr) & (blockSize != 0)), 0)) {
        refuseCall(env, badBlockSize);
        return;
    }
    // Both addresses are found before the call: errno's first lookup calls into the C library,
    // and the compiler would otherwise place it between the call and the read of errno. After
    // the call only the stub's return path, which calls nothing, runs before errno is read.
    ErrnoSlots* slots = &errnoSlots;
    int* threadErrno = slots->threadErrno;
    if (__builtin_expect(threadErrno == nullptr, 0)) {
        threadErrno = slots->threadErrno = &errno;
    }
    asm volatile("" : "+r"(slots), "+r"(threadErrno) : : "memory");
    try {
        asm_dispatch_in_library(function, static_cast<int>(blockSize), block, returnType, result, callingConvention);
        slots->lastErrno = *threadErrno;
    } catch (abi::__forced_unwind&) {
        throw;  // thread cancellation must keep unwinding, or the C library aborts
    } catch (...) {
        // Nothing native may cross into the virtual machine.
    }
}

}  // namespace

bool isCallBlockSize(jlong argsSize) { return isBlockSize(static_cast<BlockSize>(lowByteCount(argsSize))); }

const char* callBlockSizeRule() { return kBlockSizeRule; }

void callGeneric(JNIEnv* env, jlong address, int returnType, jvalue* result, jlong argsAddress,
                 int callingConvention, jlong argsSize) {
    dispatchCall(env, address, returnType, result, argsAddress, callingConvention, argsSize);
}

extern "C" {

JNIEXPORT jlong JNICALL Java_com_drovantel_tarvelo_core_impl_jni_MethodNative_find(JNIEnv* env, jclass,
                                                                                 jlong handle, jstring name) {
    return nativeBarrier(env, [&]() -> jlong {
        LoaderName symbol(env, name);
        if (symbol.get() == nullptr) {
            return 0;
        }
        return toJavaAddress(dlsym(fromJavaAddress(handle), symbol.get()));
    });
}

JNIEXPORT jint JNICALL Java_com_drovantel_tarvelo_core_impl_jni_MethodNative_getLastErrno(JNIEnv*, jclass) {
    return errnoSlots.lastErrno;
}

JNIEXPORT void JNICALL Java_com_drovantel_tarvelo_core_impl_jni_MethodNative_callVoid(
    JNIEnv* env, jclass, jlong address, jint callingConvention, jlong argsAddress, jlong argsSize) {
    jvalue unused;
    dispatchCall(env, address, TARVELO_RESULT_VOID, &unused, argsAddress, callingConvention, argsSize);
}

// The jvalue member of each type is the narrowing: reading z, b, c or s of a stored 32-bit
// word takes its low 8 or 16 bits, unsigned for boolean and char, signed for byte and
// short. It starts zeroed so that a call ended by a discarded exception returns 0.
#define TARVELO_CALL(Name, type, kind, member)                                                           \
    JNIEXPORT type JNICALL Java_com_drovantel_tarvelo_core_impl_jni_MethodNative_call##Name(             \
        JNIEnv* env, jclass, jlong address, jint callingConvention, jlong argsAddress, jlong argsSize) { \
        jvalue result{};                                                                                 \
        dispatchCall(env, address, kind, &result, argsAddress, callingConvention, argsSize);            \
        return result.member;                                                                            \
    }

TARVELO_CALL(Boolean, jboolean, TARVELO_RESULT_BOOLEAN, z)
TARVELO_CALL(Byte, jbyte, TARVELO_RESULT_BYTE, b)
TARVELO_CALL(Char, jchar, TARVELO_RESULT_CHAR, c)
TARVELO_CALL(Short, jshort, TARVELO_RESULT_SHORT, s)
TARVELO_CALL(Int, jint, TARVELO_RESULT_INT, i)
TARVELO_CALL(Long, jlong, TARVELO_RESULT_LONG, j)
TARVELO_CALL(Float, jfloat, TARVELO_RESULT_FLOAT, f)
TARVELO_CALL(Double, jdouble, TARVELO_RESULT_DOUBLE, d)

#undef TARVELO_CALL

}  // extern "C"

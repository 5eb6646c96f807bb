#include "bridge/ThunkPool.h"

#include <array>
#include <cstddef>
#include <atomic>
#include <mutex>

#include "bridge/JavaCallback.h"
#include "bridge/JavaExceptions.h"
#include "bridge/LoadHook.h"

int32_t tarvelo_thunk_stack_bytes[TARVELO_THUNK_COUNT];

static_assert(offsetof(TarveloThunkResult, value) == TARVELO_THUNK_RESULT_VALUE);
static_assert(offsetof(TarveloThunkResult, x87) == TARVELO_THUNK_RESULT_X87);
static_assert(offsetof(TarveloThunkResult, popBytes) == TARVELO_THUNK_RESULT_POP);
static_assert(sizeof(TarveloThunkResult) == TARVELO_THUNK_RESULT_SIZE);

namespace {

struct Slot {
    // Published last when bound, so that a caller on another thread that sees the callback
    // sees the rest of the slot too.
    std::atomic<JavaCallback*> callback{nullptr};
    // Kept after release: a stdcall caller of a released thunk still needs its bytes removed.
    std::atomic<int32_t> popBytes{0};
    bool bound = false;
};

struct Pool {
    std::mutex lock;
    std::array<Slot, ThunkPool::kSize> slots;
    std::array<uint32_t, ThunkPool::kSize> freeIndices;
    int freeCount = ThunkPool::kSize;

    Pool() {
        // The lowest index is handed out first, and a released one before any other.
        for (int i = 0; i < ThunkPool::kSize; ++i) {
            freeIndices[i] = static_cast<uint32_t>(ThunkPool::kSize - 1 - i);
        }
    }
};

Pool& pool() {
    static Pool instance;
    return instance;
}

void* thunkAt(uint32_t index) {
    return const_cast<unsigned char*>(tarvelo_thunk_pool + index * TARVELO_THUNK_STRIDE);
}

}  // namespace

void* ThunkPool::bind(JavaCallback* callback, std::uint32_t stackBytes) {
    Pool& thunks = pool();
    std::lock_guard<std::mutex> guard(thunks.lock);
    if (thunks.freeCount == 0) {
        return nullptr;
    }
    const uint32_t index = thunks.freeIndices[--thunks.freeCount];
    Slot& slot = thunks.slots[index];
    slot.bound = true;
    // Each target's stub reads one of the two: the x86-64 one copies that many bytes of stack
    // slots, the i386 one removes that many argument bytes on return.
    __atomic_store_n(&tarvelo_thunk_stack_bytes[index], static_cast<int32_t>(stackBytes), __ATOMIC_RELAXED);
    slot.popBytes.store(static_cast<int32_t>(stackBytes), std::memory_order_relaxed);
    slot.callback.store(callback, std::memory_order_release);
    return thunkAt(index);
}

bool ThunkPool::release(const void* thunk) {
    const auto offset = reinterpret_cast<uintptr_t>(thunk) - reinterpret_cast<uintptr_t>(tarvelo_thunk_pool);
    if (offset % TARVELO_THUNK_STRIDE != 0 || offset / TARVELO_THUNK_STRIDE >= static_cast<uintptr_t>(kSize)) {
        return false;
    }
    const auto index = static_cast<uint32_t>(offset / TARVELO_THUNK_STRIDE);
    Pool& thunks = pool();
    std::lock_guard<std::mutex> guard(thunks.lock);
    Slot& slot = thunks.slots[index];
    if (!slot.bound) {
        return false;
    }
    slot.bound = false;
    slot.callback.store(nullptr, std::memory_order_release);
    thunks.freeIndices[thunks.freeCount++] = index;
    return true;
}

void ThunkPool::invoke(std::uint32_t index, void* block, TarveloThunkResult* result) {
    Slot& slot = pool().slots[index];
    result->value.j = 0;
    result->x87 = TARVELO_THUNK_X87_NONE;
    result->popBytes = slot.popBytes.load(std::memory_order_relaxed);
    JavaCallback* callback = slot.callback.load(std::memory_order_acquire);
    if (callback == nullptr) {
        JNIEnv* env = getJNIEnv();
        if (env != nullptr && !env->ExceptionCheck()) {
            ThrowNativeException(env, "a released thunk was called");
        }
        return;
    }
    // Integer results are widened by their Java type's signedness, as the entry points do.
    jvalue& value = result->value;
    switch (callback->typeIndex()) {
        case 1: callback->onCallVoid(block); break;
        case 2: value.j = callback->onCallBoolean(block); break;
        case 3: value.j = callback->onCallByte(block); break;
        case 4: value.j = callback->onCallChar(block); break;
        case 5: value.j = callback->onCallShort(block); break;
        case 6: value.j = callback->onCallInt(block); break;
        case 7: value.j = callback->onCallLong(block); break;
        case 8:
            value.f = callback->onCallFloat(block);
            result->x87 = TARVELO_THUNK_X87_FLOAT;
            break;
        case 9:
            value.d = callback->onCallDouble(block);
            result->x87 = TARVELO_THUNK_X87_DOUBLE;
            break;
        default: value.j = static_cast<jlong>(reinterpret_cast<intptr_t>(callback->onCallPointer(block))); break;
    }
}

extern "C" void tarvelo_thunk_invoke(uint32_t index, void* block, TarveloThunkResult* result) {
    ThunkPool::invoke(index, block, result);
}

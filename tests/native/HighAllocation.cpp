#include "tests/native/HighAllocation.h"

#include <sys/mman.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>

#include "tests/fixtures/HighPages.h"

namespace {

constexpr std::size_t kArenaBytes = 1 << 20;

// Plain thread-local and static values: calloc and operator new run before any dynamic
// initialisation.
thread_local bool armed = false;
std::atomic<char*> arena{nullptr};
std::atomic<std::size_t> used{0};

char* arenaStart() {
    char* start = arena.load();
    if (start == nullptr) {
        // Only armed threads get here, one test at a time.
        start = static_cast<char*>(mapHighPages(kArenaBytes, PROT_READ | PROT_WRITE));
        arena.store(start);
    }
    return start;
}

}  // namespace

HighAllocation::HighAllocation() { armed = true; }

HighAllocation::~HighAllocation() { armed = false; }

void* HighAllocation::allocate(std::size_t size) {
    if (!armed || size > kArenaBytes) {
        return nullptr;
    }
    char* start = arenaStart();
    // Whole 16-byte units, at least one, so that every block is aligned and distinct.
    const std::size_t rounded = std::max<std::size_t>(16, (size + 15) & ~std::size_t{15});
    const std::size_t offset = used.fetch_add(rounded);
    if (start == nullptr || offset + rounded > kArenaBytes) {
        return nullptr;
    }
    return start + offset;
}

bool HighAllocation::contains(const void* block) {
    const char* start = arena.load();
    const char* p = static_cast<const char*>(block);
    return start != nullptr && p >= start && p < start + kArenaBytes;
}

extern "C" void* __libc_calloc(std::size_t count, std::size_t size);

// Every calloc of the program (BufferNative.malloc's as well) comes here. Fresh pages are
// zero, and the arena never hands a block out twice.
extern "C" void* calloc(std::size_t count, std::size_t size) noexcept {
    std::size_t bytes = 0;
    if (!__builtin_mul_overflow(count, size, &bytes)) {
        if (void* high = HighAllocation::allocate(bytes)) {
            return high;
        }
    }
    return __libc_calloc(count, size);
}

#include "tests/native/FailingAllocation.h"

#include <cstdlib>
#include <new>

#include "tests/native/HighAllocation.h"

namespace {

// 0 when unarmed. Plain thread-local integers: operator new runs before any dynamic
// initialisation, so nothing here may need constructing.
thread_local std::size_t failFrom = 0;
thread_local bool hasFailed = false;

}  // namespace

// Every operator new of the program (the library's as well) comes here; the sized and
// array forms of the standard library forward to this one.
void* operator new(std::size_t size) {
    if (failFrom != 0 && size >= failFrom) {
        failFrom = 0;
        hasFailed = true;
        throw std::bad_alloc();
    }
    if (void* high = HighAllocation::allocate(size)) {
        return high;
    }
    for (;;) {
        if (void* block = std::malloc(size != 0 ? size : 1)) {
            return block;
        }
        std::new_handler handler = std::get_new_handler();
        if (handler == nullptr) {
            throw std::bad_alloc();
        }
        handler();
    }
}

// Pairs with the operator new above, which allocates with malloc unless HighAllocation is armed.
void operator delete(void* block) noexcept {
    if (!HighAllocation::contains(block)) {
        std::free(block);
    }
}

void operator delete(void* block, std::size_t) noexcept { operator delete(block); }

FailingAllocation::FailingAllocation(std::size_t minimumBytes) {
    failFrom = minimumBytes;
    hasFailed = false;
}

FailingAllocation::~FailingAllocation() { failFrom = 0; }

bool FailingAllocation::failed() const { return hasFailed; }

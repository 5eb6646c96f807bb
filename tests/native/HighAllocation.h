#ifndef TESTS_NATIVE_HIGHALLOCATION_H
#define TESTS_NATIVE_HIGHALLOCATION_H

#include <cstddef>

// While it lives, the calling thread's operator new and calloc take their blocks from pages
// mapped at or above 2^31, so tests see the bridge hand out such addresses whatever the
// layout of this process. The test program replaces both for this; unarmed, they allocate as
// the standard ones do. Blocks up there are never reused: operator delete passes over them,
// and a block from calloc must not reach free.
class HighAllocation {
public:
    HighAllocation();
    ~HighAllocation();

    HighAllocation(const HighAllocation&) = delete;
    HighAllocation& operator=(const HighAllocation&) = delete;

    // A zero-filled block up there while armed on this thread, otherwise null.
    static void* allocate(std::size_t size);
    // Whether block came from allocate.
    static bool contains(const void* block);
};

#endif

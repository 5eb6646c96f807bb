#ifndef TESTS_NATIVE_FAILINGALLOCATION_H
#define TESTS_NATIVE_FAILINGALLOCATION_H

#include <cstddef>

// While it lives, the calling thread's next operator new of at least minimumBytes throws
// std::bad_alloc (once). Lets tests reach the paths where copying data out of JNI fails,
// which a real shortage of memory would reach only by chance. The test program replaces
// the global operator new for this; unarmed, it allocates as the standard one does.
class FailingAllocation {
public:
    explicit FailingAllocation(std::size_t minimumBytes);
    ~FailingAllocation();

    FailingAllocation(const FailingAllocation&) = delete;
    FailingAllocation& operator=(const FailingAllocation&) = delete;

    // Whether the armed allocation has failed yet.
    bool failed() const;
};

#endif

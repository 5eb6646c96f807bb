#include "nativepp/NativeppSimpleLock.h"

#include <unistd.h>

namespace nativepp {

namespace {

constexpr unsigned short kBothFlagsSet = 0x0101;

}  // namespace

NativeppSimpleLock::NativeppSimpleLock() : flags(0) {}

void NativeppSimpleLock::lock() {
    // Test-and-set: storing "held" over "held" changes nothing, so only the thread that
    // saw the lock free owns it; the others poll.
    while (flags.exchange(kBothFlagsSet, std::memory_order_acquire) != 0) {
        usleep(1);
    }
}

void NativeppSimpleLock::unlock() { flags.store(0, std::memory_order_release); }

}  // namespace nativepp

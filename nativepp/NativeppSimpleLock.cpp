#include "nativepp/NativeppSimpleLock.h"

#include <unistd.h>

namespace nativepp {

NativeppSimpleLock::NativeppSimpleLock() : flags(0) {}

void NativeppSimpleLock::lockContended() {
    // Test-and-set: storing "held" over "held" changes nothing, so only the thread that
    // saw the lock free owns it; the others poll, a while before giving the processor up.
    for (int polls = 0; flags.exchange(kBothFlagsSet, std::memory_order_acquire) != 0; ++polls) {
        if (polls >= 64) {
            usleep(1);
        }
    }
}

}  // namespace nativepp

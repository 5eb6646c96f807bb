#include "nativepp/NativeppJObjectGlobalSlot.h"

#include <utility>

namespace nativepp {

void NativeppJObjectGlobalSlot::store(Holder replacement) {
    {
        NativeppSimpleLock::Guard guard(lock);
        holder.swap(replacement);
    }
    // replacement now holds the old share, released here, outside the lock.
}

}  // namespace nativepp

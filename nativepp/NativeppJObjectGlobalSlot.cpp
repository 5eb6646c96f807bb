#include "nativepp/NativeppJObjectGlobalSlot.h"

#include <utility>

#include "nativepp/NativeppHazards.h"

namespace nativepp {

NativeppJObjectGlobalSlot::~NativeppJObjectGlobalSlot() { NativeppHazards::retire(std::move(holder)); }

NativeppSharedJObjectGlobal NativeppJObjectGlobalSlot::read() const {
    const NativeppJObjectGlobal* seen = current.load(std::memory_order_acquire);
    if (seen == nullptr) {
        return NativeppSharedJObjectGlobal();
    }
    NativeppHazards::Slot* slot = NativeppHazards::publish(seen);
    if (slot == nullptr) {
        return NativeppSharedJObjectGlobal(load());
    }
    // Still named here after publishing: whoever replaces it from now on sees the slot.
    for (;;) {
        const NativeppJObjectGlobal* now = current.load(std::memory_order_seq_cst);
        if (now == seen) {
            return NativeppSharedJObjectGlobal(seen, slot);
        }
        if (now == nullptr) {
            NativeppHazards::clear(slot);
            return NativeppSharedJObjectGlobal();
        }
        seen = now;
        slot->store(seen, std::memory_order_seq_cst);
    }
}

void NativeppJObjectGlobalSlot::store(Holder replacement) {
    {
        NativeppSimpleLock::Guard guard(lock);
        holder.swap(replacement);
        current.store(holder.get(), std::memory_order_seq_cst);
    }
    // replacement now holds the old share, let go here, outside the lock.
    NativeppHazards::retire(std::move(replacement));
}

}  // namespace nativepp

#include "nativepp/NativeppSharedJObjectGlobal.h"

#include <utility>

#include "nativepp/NativeppHazards.h"

namespace nativepp {

NativeppSharedJObjectGlobal::NativeppSharedJObjectGlobal(std::shared_ptr<const NativeppJObjectGlobal> global)
    : counted(std::move(global)), target(counted.get()) {}

NativeppSharedJObjectGlobal::NativeppSharedJObjectGlobal(const NativeppSharedJObjectGlobal& other)
    : counted(other.getHolder()), target(counted.get()) {}

NativeppSharedJObjectGlobal::NativeppSharedJObjectGlobal(NativeppSharedJObjectGlobal&& other) noexcept
    : counted(std::move(other.counted)), target(other.target), slot(other.slot) {
    other.target = nullptr;
    other.slot = nullptr;
}

NativeppSharedJObjectGlobal& NativeppSharedJObjectGlobal::operator=(NativeppSharedJObjectGlobal other) noexcept {
    std::swap(counted, other.counted);
    std::swap(target, other.target);
    std::swap(slot, other.slot);
    return *this;
}

NativeppSharedJObjectGlobal::~NativeppSharedJObjectGlobal() {
    if (slot != nullptr) {
        NativeppHazards::clear(slot);
    }
}

std::shared_ptr<const NativeppJObjectGlobal> NativeppSharedJObjectGlobal::getHolder() const {
    // A published holder is alive, and owned by a shared_ptr: it was read from a proxy.
    return slot != nullptr ? target->shared_from_this() : counted;
}

}  // namespace nativepp

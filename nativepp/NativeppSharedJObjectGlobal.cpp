#include "nativepp/NativeppSharedJObjectGlobal.h"

#include <utility>

namespace nativepp {

NativeppSharedJObjectGlobal::NativeppSharedJObjectGlobal(std::shared_ptr<const NativeppJObjectGlobal> global)
    : global(std::move(global)) {}

jobject NativeppSharedJObjectGlobal::getJObject() const { return global != nullptr ? global->getJObject() : nullptr; }

bool NativeppSharedJObjectGlobal::isNull() const { return getJObject() == nullptr; }

}  // namespace nativepp

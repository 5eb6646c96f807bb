#ifndef NATIVEPP_NATIVEPPSHAREDJOBJECTGLOBAL_H
#define NATIVEPP_NATIVEPPSHAREDJOBJECTGLOBAL_H

#include <jni.h>

#include <atomic>
#include <memory>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectGlobal.h"

namespace nativepp {

/// A share of a proxy's global reference. Another thread may re-point the proxy at any time;
/// the reference it held is deleted only when its last share is gone. So keep the share, not
/// the bare jobject, until the JNI call that uses it has returned: passing
/// proxy.nativeppGetJObjectGlobal(env).getJObject() straight into the call does that, since
/// the temporary lives to the end of the full expression. A share read from a proxy is
/// usually not counted but published in a slot of the reading thread (see NativeppHazards);
/// a copy is a counted one. Threads: any; a share may be released on any thread the virtual
/// machine knows. Throws: nothing.
class NATIVEPP_EXPORT NativeppSharedJObjectGlobal {
public:
    /// A place where a reading thread names the holder it uses.
    using Published = std::atomic<const NativeppJObjectGlobal*>;

    NativeppSharedJObjectGlobal() = default;
    /// A counted share of global's holder.
    explicit NativeppSharedJObjectGlobal(std::shared_ptr<const NativeppJObjectGlobal> global);
    /// An uncounted share of target, which stays alive while slot names it; the share clears
    /// slot when it goes.
    NativeppSharedJObjectGlobal(const NativeppJObjectGlobal* target, Published* slot) noexcept
        : target(target), slot(slot) {}
    /// A counted share of other's holder.
    NativeppSharedJObjectGlobal(const NativeppSharedJObjectGlobal& other);
    /// Takes over other's share; other is left empty.
    NativeppSharedJObjectGlobal(NativeppSharedJObjectGlobal&& other) noexcept;
    /// Lets go of this share and takes over other's.
    NativeppSharedJObjectGlobal& operator=(NativeppSharedJObjectGlobal other) noexcept;
    /// Lets go of the share: a published one clears its slot.
    ~NativeppSharedJObjectGlobal();

    /// The global reference, valid while this share lives; null for an empty proxy.
    jobject getJObject() const { return target != nullptr ? target->getJObject() : nullptr; }
    /// Whether the share holds no reference (an empty proxy).
    bool isNull() const { return getJObject() == nullptr; }
    /// The referred array's length once known (read through NativeppArray), -1 before and for
    /// an empty share.
    int knownArrayLength() const { return target != nullptr ? target->knownArrayLength() : -1; }
    /// The holder, for another proxy to share it: a counted share of it.
    std::shared_ptr<const NativeppJObjectGlobal> getHolder() const;
    /// The holder itself, valid while this share lives; null for an empty share.
    const NativeppJObjectGlobal* get() const { return target; }

private:
    std::shared_ptr<const NativeppJObjectGlobal> counted;
    const NativeppJObjectGlobal* target = nullptr;
    Published* slot = nullptr;
};

}  // namespace nativepp

#endif

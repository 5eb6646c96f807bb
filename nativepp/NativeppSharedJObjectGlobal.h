#ifndef NATIVEPP_NATIVEPPSHAREDJOBJECTGLOBAL_H
#define NATIVEPP_NATIVEPPSHAREDJOBJECTGLOBAL_H

#include <jni.h>

#include <memory>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectGlobal.h"

namespace nativepp {

/// A counted share of a proxy's global reference. Another thread may re-point the proxy at
/// any time; the reference it held is deleted only when its last share is gone. So keep the
/// share, not the bare jobject, until the JNI call that uses it has returned: passing
/// proxy.nativeppGetJObjectGlobal(env).getJObject() straight into the call does that, since
/// the temporary lives to the end of the full expression. Threads: any; a share may be
/// released on any thread the virtual machine knows. Throws: nothing.
class NATIVEPP_EXPORT NativeppSharedJObjectGlobal {
public:
    NativeppSharedJObjectGlobal() = default;
    /// A share of global's holder.
    explicit NativeppSharedJObjectGlobal(std::shared_ptr<const NativeppJObjectGlobal> global);

    /// The global reference, valid while this share lives; null for an empty proxy.
    jobject getJObject() const;
    /// Whether the share holds no reference (an empty proxy).
    bool isNull() const;
    /// The referred array's length once known (read through NativeppArray), -1 before and for
    /// an empty share.
    int knownArrayLength() const { return global != nullptr ? global->knownArrayLength() : -1; }

    /// The counted holder itself, for another proxy to share it.
    const std::shared_ptr<const NativeppJObjectGlobal>& getHolder() const { return global; }

private:
    std::shared_ptr<const NativeppJObjectGlobal> global;
};

}  // namespace nativepp

#endif

#ifndef NATIVEPP_NATIVEPPJOBJECTGLOBALSLOT_H
#define NATIVEPP_NATIVEPPJOBJECTGLOBALSLOT_H

#include <memory>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectGlobal.h"
#include "nativepp/NativeppSimpleLock.h"

namespace nativepp {

/// The place where a proxy keeps its global reference: a shared holder that one thread may
/// replace while others read it. A reader gets its own share, so the reference it holds lives
/// until that share goes, whatever a re-point does meanwhile. Reads and replacements hold a
/// native lock only for the copy of the share, far cheaper than the library's atomic
/// shared_ptr functions, which lock a pthread mutex from a common pool.
/// Owns: a share of the holder. Threads: any. Throws: nothing.
class NATIVEPP_EXPORT NativeppJObjectGlobalSlot {
public:
    /// A share of a proxy's global reference holder.
    using Holder = std::shared_ptr<const NativeppJObjectGlobal>;

    NativeppJObjectGlobalSlot() = default;
    NativeppJObjectGlobalSlot(const NativeppJObjectGlobalSlot&) = delete;
    NativeppJObjectGlobalSlot& operator=(const NativeppJObjectGlobalSlot&) = delete;

    /// A share of the current holder, which keeps its reference alive however the slot changes.
    Holder load() const {
        NativeppSimpleLock::Guard guard(lock);
        return holder;
    }
    /// The replaced holder is released after the lock, on this thread: when it was the last
    /// share, its global reference is deleted here.
    void store(Holder replacement);

private:
    mutable NativeppSimpleLock lock;
    Holder holder;
};

}  // namespace nativepp

#endif

#ifndef NATIVEPP_NATIVEPPJOBJECTGLOBALSLOT_H
#define NATIVEPP_NATIVEPPJOBJECTGLOBALSLOT_H

#include <atomic>
#include <memory>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectGlobal.h"
#include "nativepp/NativeppSharedJObjectGlobal.h"
#include "nativepp/NativeppSimpleLock.h"

namespace nativepp {

/// The place where a proxy keeps its global reference: a shared holder that one thread may
/// replace while others read it. A reader publishes the holder it uses instead of counting a
/// share (see NativeppHazards): no lock and no shared counter, which several threads reading
/// one proxy would each have to own in turn. A replaced holder is let go only once no reader
/// names it. Replacements hold a native lock.
/// Owns: a share of the holder. Threads: any. Throws: nothing.
class NATIVEPP_EXPORT NativeppJObjectGlobalSlot {
public:
    /// A share of a proxy's global reference holder.
    using Holder = std::shared_ptr<const NativeppJObjectGlobal>;

    NativeppJObjectGlobalSlot() = default;
    ~NativeppJObjectGlobalSlot();
    NativeppJObjectGlobalSlot(const NativeppJObjectGlobalSlot&) = delete;
    NativeppJObjectGlobalSlot& operator=(const NativeppJObjectGlobalSlot&) = delete;

    /// A counted share of the current holder.
    Holder load() const {
        NativeppSimpleLock::Guard guard(lock);
        return holder;
    }
    /// A share of the current holder for one use, published rather than counted when the
    /// thread has a slot free.
    NativeppSharedJObjectGlobal read() const;
    /// The replaced holder is let go after the lock, on this thread: when it was the last share
    /// and nobody reads it, its global reference is deleted here.
    void store(Holder replacement);

private:
    mutable NativeppSimpleLock lock;
    Holder holder;
    /// holder's object, for readers.
    std::atomic<const NativeppJObjectGlobal*> current{nullptr};
};

}  // namespace nativepp

#endif

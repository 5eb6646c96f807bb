#ifndef NATIVEPP_NATIVEPPHAZARDS_H
#define NATIVEPP_NATIVEPPHAZARDS_H

#include <atomic>
#include <memory>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectGlobal.h"
#include "nativepp/NativeppSharedJObjectGlobal.h"

namespace nativepp {

/// Lets a thread read a proxy's global reference without counting a share: the reader
/// publishes the holder it uses in one of its thread's hazard slots, and a holder that a
/// proxy lets go is released only once no slot names it. Publishing is one store with a full
/// barrier; a proxy that lets go of a holder scans the slots of every thread that has read.
/// Owns: the holders let go of while still published, until they are not. Threads: any; a slot
/// is cleared by whichever thread ends the read. Throws: std::bad_alloc from publish, on a
/// thread's first read.
class NATIVEPP_EXPORT NativeppHazards {
public:
    /// A place where a reading thread names the holder it uses.
    using Slot = NativeppSharedJObjectGlobal::Published;

    /// One of the calling thread's free slots, now naming target, or null when all are in use.
    /// target is safe to use once the place it was read from still names it.
    static Slot* publish(const NativeppJObjectGlobal* target);
    /// Ends the read through slot, releasing what was kept for it alone.
    static void clear(Slot* slot) noexcept;
    /// Lets go of a proxy's share of holder: released here unless a reader still names it.
    static void retire(std::shared_ptr<const NativeppJObjectGlobal> holder) noexcept;

private:
    /// Whether a slot names target; with markReaders, every such slot is marked for its reader
    /// to release what is kept.
    static bool published(const NativeppJObjectGlobal* target, bool markReaders) noexcept;
    /// Keeps holder (taken, on success) until nobody names it; false without room.
    static bool keep(std::shared_ptr<const NativeppJObjectGlobal>& holder) noexcept;
    static void releaseUnpublished() noexcept;
};

}  // namespace nativepp

#endif

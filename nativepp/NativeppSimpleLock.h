#ifndef NATIVEPP_NATIVEPPSIMPLELOCK_H
#define NATIVEPP_NATIVEPPSIMPLELOCK_H

#include <atomic>

#include "nativepp/NativeppExport.h"

namespace nativepp {

/// A polling lock that needs no JNI call and no operating-system object, so that it can
/// live in statics built before the virtual machine is known. Not re-entrant.
/// Owns: nothing but its flag. Threads: any thread, attached or not. Throws: nothing.
class NATIVEPP_EXPORT NativeppSimpleLock {
public:
    NativeppSimpleLock();

    /// Inline: under emulation a call and its return cost more than the lock itself.
    void lock() {
        if (flags.exchange(kBothFlagsSet, std::memory_order_acquire) != 0) {
            lockContended();
        }
    }
    /// Releases the lock.
    void unlock() { flags.store(0, std::memory_order_release); }

    /// Holds the lock for one scope and releases it on every exit, exceptions included.
    class Guard {
    public:
        /// Takes lock, waiting for it.
        explicit Guard(NativeppSimpleLock& lock) : held(lock) { held.lock(); }
        ~Guard() { held.unlock(); }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

    private:
        NativeppSimpleLock& held;
    };

private:
    static constexpr unsigned short kBothFlagsSet = 0x0101;

    void lockContended();

    /// Both one-byte flags in one word, so that testing them and setting them is one step.
    std::atomic<unsigned short> flags;
};

}  // namespace nativepp

#endif

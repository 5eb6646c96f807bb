#ifndef NATIVEPP_NATIVEPPKNOWNCLASSCACHE_H
#define NATIVEPP_NATIVEPPKNOWNCLASSCACHE_H

#include <jni.h>

#include <atomic>
#include <mutex>

#include "nativepp/NativeppExport.h"

namespace nativepp {

class NativeppObjectClass;

/// The nearest registered descriptors of the last Java classes that were looked up by object
/// (thrown exceptions, mostly): the walk up a class's superclasses, a Java call and a name
/// conversion per step, then runs once per class. Keyed by the class itself, through a weak
/// global reference, so that the class can still be unloaded; an entry made before the last
/// registration of a descriptor is not used, as a nearer descriptor may exist now.
/// Owns: its weak global references. Threads: any attached thread. Throws: nothing.
class NATIVEPP_EXPORT NativeppKnownClassCache {
public:
    NativeppKnownClassCache() = default;
    NativeppKnownClassCache(const NativeppKnownClassCache&) = delete;
    NativeppKnownClassCache& operator=(const NativeppKnownClassCache&) = delete;

    /// The registrations so far: read it before looking a class up, and remember what was
    /// found under it, so that a descriptor registered meanwhile makes the entry unused.
    static unsigned currentGeneration() { return generation.load(std::memory_order_acquire); }
    /// The descriptor remembered for cls in generation, or null. No Java exception pending.
    NativeppObjectClass* find(jclass cls, unsigned generation, JNIEnv* env);
    /// Remembers found for cls, in place of the oldest entry.
    void remember(jclass cls, NativeppObjectClass* found, unsigned generation, JNIEnv* env);
    /// Every entry made so far goes out of use: called when a descriptor is registered.
    static void invalidate();

private:
    struct Entry {
        jweak cls = nullptr;
        NativeppObjectClass* found = nullptr;
        unsigned generation = 0;
    };
    static constexpr int kEntries = 8;

    std::mutex lock;
    Entry entries[kEntries];
    int next = 0;
    static std::atomic<unsigned> generation;
};

}  // namespace nativepp

#endif

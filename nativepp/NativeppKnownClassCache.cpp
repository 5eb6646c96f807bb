#include "nativepp/NativeppKnownClassCache.h"

namespace nativepp {

std::atomic<unsigned> NativeppKnownClassCache::generation{1};

NativeppObjectClass* NativeppKnownClassCache::find(jclass cls, unsigned current, JNIEnv* env) {
    std::lock_guard<std::mutex> held(lock);
    for (const Entry& entry : entries) {
        // IsSameObject raises nothing; a cleared weak reference equals only null.
        if (entry.generation == current && entry.cls != nullptr && env->IsSameObject(entry.cls, cls)) {
            return entry.found;
        }
    }
    return nullptr;
}

void NativeppKnownClassCache::remember(jclass cls, NativeppObjectClass* found, unsigned current, JNIEnv* env) {
    jweak weak = env->NewWeakGlobalRef(cls);
    if (weak == nullptr) {
        env->ExceptionClear();  // out of memory: the class is simply not remembered
        return;
    }
    std::lock_guard<std::mutex> held(lock);
    Entry& oldest = entries[next];
    next = (next + 1) % kEntries;
    if (oldest.cls != nullptr) {
        env->DeleteWeakGlobalRef(oldest.cls);
    }
    oldest = Entry{weak, found, current};
}

void NativeppKnownClassCache::invalidate() { generation.fetch_add(1, std::memory_order_acq_rel); }

}  // namespace nativepp

#include "GlobalRefHandles.h"

#include <cstddef>
#include <mutex>
#include <new>
#include <vector>

namespace {

std::mutex tableLock;
// Slot i is handle i + 1; freed slots are reused, latest first.
std::vector<jobject> slots;
std::vector<std::size_t> freeSlots;

}  // namespace

jint GlobalRefHandles::newHandle(JNIEnv* env, jobject obj) {
    jobject reference = env->NewGlobalRef(obj);
    if (reference == nullptr) {
        return 0;
    }
    try {
        std::lock_guard<std::mutex> hold(tableLock);
        std::size_t slot = slots.size();
        if (!freeSlots.empty()) {
            slot = freeSlots.back();
            freeSlots.pop_back();
            slots[slot] = reference;
        } else {
            // Handles are positive jints.
            if (slots.size() >= 0x7FFFFFFE) {
                throw std::bad_alloc();
            }
            slots.push_back(reference);
        }
        return static_cast<jint>(slot + 1);
    } catch (...) {
        env->DeleteGlobalRef(reference);
        throw;
    }
}

void GlobalRefHandles::deleteHandle(JNIEnv* env, jint handle) {
    jobject reference = nullptr;
    {
        std::lock_guard<std::mutex> hold(tableLock);
        const auto slot = static_cast<std::size_t>(handle) - 1;
        if (handle <= 0 || slot >= slots.size() || slots[slot] == nullptr) {
            return;
        }
        reference = slots[slot];
        slots[slot] = nullptr;
        freeSlots.push_back(slot);
    }
    env->DeleteGlobalRef(reference);
}

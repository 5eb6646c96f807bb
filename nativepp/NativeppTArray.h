#ifndef NATIVEPP_NATIVEPPTARRAY_H
#define NATIVEPP_NATIVEPPTARRAY_H

#include <algorithm>
#include <atomic>
#include <climits>
#include <mutex>
#include <vector>

#include "nativepp/NativeppArray.h"
#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppMonitor.h"
#include "nativepp/NativeppObject.h"

namespace nativepp {

/// The element store of the array proxy A: element values E made by A's hooks
/// (nativeppNewCompArrayAux, nativeppInitArrayAuxElement, nativeppDeleteCompArray), element i
/// bound to index i of whatever Java array the proxy holds when it is used, not to one array.
/// So a store serves every array the proxy is pointed at: it grows when an index finds a
/// longer array, and is never rebuilt for another one. An element reference stays valid for
/// the life of the array proxy, whatever other threads index or re-point meanwhile; a store
/// outgrown is kept until then. The store holds no reference to a Java array.
/// Owns the elements. Threads: any attached thread; the store changes under the array
/// proxy's lock, which is never held across a JNI call.
/// Throws: the mapped ArrayIndexOutOfBoundsException for an index outside the proxy's array
/// (every index of an empty proxy).
template <typename A, typename E>
class NativeppTArray : public NativeppArray {
public:
    NativeppTArray() : elements(nullptr), capacity(0), parent(nullptr) {}
    ~NativeppTArray() override {
        E* current = elements.load(std::memory_order_relaxed);
        if (current == nullptr) {
            return;
        }
        for (E* store : outgrown) {
            parent->nativeppDeleteCompArray(store);
        }
        parent->nativeppDeleteCompArray(current);
    }

    /// The array proxy that contains this store; set by its field set-up.
    void setParent(A* arrayProxy) { parent = arrayProxy; }

    /// Element i of the proxy's current array. Once that array's length is known, this makes
    /// no JNI call and takes no lock.
    E& getElement(int i, JNIEnv* env) {
        // A field array's first read looks up its field: before the lock, which is never held
        // across a lookup.
        if (!resolved.load(std::memory_order_acquire)) {
            getObjectMgr(env)->resolve(env);
            resolved.store(true, std::memory_order_release);
        }
        const int n = lengthOf(parent->nativeppGetJObjectGlobal(env), env);
        checkIndex(i, n, env);
        // capacity is published after elements: a store read after it holds at least that many.
        if (i < capacity.load(std::memory_order_acquire)) {
            return elements.load(std::memory_order_acquire)[i];
        }
        std::lock_guard<NativeppMonitor> held(*parent->nativeppGetMonitor());
        reserve(n);
        return elements.load(std::memory_order_relaxed)[i];
    }
    /// As getElement(i, env), with the calling thread's environment.
    E& getElement(int i) { return getElement(i, NativeppJVM::getJNIEnv()); }

    NativeppObject* getParent() override { return parent; }

private:
    /// At least n elements; a larger store at least doubles, so that all outgrown stores
    /// together hold fewer elements than the current one. Under the proxy's lock.
    void reserve(int n) {
        const int current = capacity.load(std::memory_order_relaxed);
        if (n <= current) {
            return;
        }
        const int grown = static_cast<int>(std::min<long long>(std::max<long long>(n, 2LL * current), INT_MAX));
        outgrown.reserve(outgrown.size() + 1);
        E* made = parent->nativeppNewCompArrayAux(grown);
        try {
            for (int i = 0; i < grown; ++i) {
                parent->nativeppInitArrayAuxElement(i, made);
            }
        } catch (...) {
            parent->nativeppDeleteCompArray(made);
            throw;
        }
        if (E* previous = elements.load(std::memory_order_relaxed)) {
            outgrown.push_back(previous);
        }
        elements.store(made, std::memory_order_release);
        capacity.store(grown, std::memory_order_release);
    }

    std::atomic<E*> elements;
    std::atomic<int> capacity;
    std::atomic<bool> resolved{false};
    std::vector<E*> outgrown;
    A* parent;
};

}  // namespace nativepp

#endif

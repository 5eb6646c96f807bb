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
        if (elements == nullptr) {
            return;
        }
        for (E* store : outgrown) {
            parent->nativeppDeleteCompArray(store);
        }
        parent->nativeppDeleteCompArray(elements);
    }

    /// The array proxy that contains this store; set by its field set-up.
    void setParent(A* arrayProxy) { parent = arrayProxy; }

    /// Element i of the proxy's current array. While the proxy holds the array the length was
    /// read for, this makes no JNI call.
    E& getElement(int i, JNIEnv* env) {
        // A field array's first read looks up its field: before the lock, which is never held
        // across a lookup. The share is taken under the lock: outside it, the element read
        // measured a tenth slower.
        if (!resolved.load(std::memory_order_acquire)) {
            getObjectMgr(env)->resolve(env);
            resolved.store(true, std::memory_order_release);
        }
        NativeppSharedJObjectGlobal array;
        {
            std::lock_guard<NativeppMonitor> held(*parent->nativeppGetMonitor());
            array = parent->nativeppGetJObjectGlobal(env);
            if (isLengthOf(array) && i >= 0 && i < length) {
                return elements[i];
            }
        }
        const int n = lengthOf(array, env);
        checkIndex(i, n, env);
        std::lock_guard<NativeppMonitor> held(*parent->nativeppGetMonitor());
        reserve(n);
        setLengthOf(array, n);
        return elements[i];
    }
    /// As getElement(i, env), with the calling thread's environment.
    E& getElement(int i) { return getElement(i, NativeppJVM::getJNIEnv()); }

    NativeppObject* getParent() override { return parent; }

private:
    /// At least n elements; a larger store at least doubles, so that all outgrown stores
    /// together hold fewer elements than the current one.
    void reserve(int n) {
        if (n <= capacity) {
            return;
        }
        const int grown = static_cast<int>(std::min<long long>(std::max<long long>(n, 2LL * capacity), INT_MAX));
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
        if (elements != nullptr) {
            outgrown.push_back(elements);
        }
        elements = made;
        capacity = grown;
    }

    E* elements;
    int capacity;
    std::atomic<bool> resolved{false};
    std::vector<E*> outgrown;
    A* parent;
};

}  // namespace nativepp

#endif

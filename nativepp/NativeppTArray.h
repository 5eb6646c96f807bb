#ifndef NATIVEPP_NATIVEPPTARRAY_H
#define NATIVEPP_NATIVEPPTARRAY_H

#include <mutex>

#include "nativepp/NativeppArray.h"
#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppMonitor.h"

namespace nativepp {

// The element store of the array proxy A: one E per element of A's current Java array,
// each bound to its index, made by A's hooks (nativeppNewCompArrayAux,
// nativeppInitArrayAuxElement, nativeppDeleteCompArray) when first indexed. An element
// reference stays valid until an index finds the proxy re-pointed at another array.
// Owns the elements. Threads: indexing is serialised on the array proxy's lock.
// Throws: the mapped ArrayIndexOutOfBoundsException for an index outside the elements.
template <typename A, typename E>
class NativeppTArray : public NativeppArray {
public:
    NativeppTArray() : elements(nullptr), parent(nullptr) {}
    ~NativeppTArray() override { freeArray(); }

    // The array proxy that contains this store; set by its field set-up.
    void setParent(A* arrayProxy) { parent = arrayProxy; }

    // Element i, under the array proxy's lock so that no other thread rebuilds the elements
    // meanwhile. While the proxy holds the same array, this makes no JNI call.
    E& getElement(int i, JNIEnv* env) {
        std::lock_guard<NativeppMonitor> held(*parent->nativeppGetMonitor());
        updateArray(env);
        checkIndex(i, env);
        return elements[i];
    }
    E& getElement(int i) { return getElement(i, NativeppJVM::getJNIEnv()); }

    void createArrayIfNeeded(JNIEnv* env) override {
        jobject current = getCurrentArray();
        if (current == nullptr) {
            return;
        }
        const int n = getArrayLength(current, env);
        E* made = parent->nativeppNewCompArrayAux(n);
        try {
            for (int i = 0; i < n; ++i) {
                parent->nativeppInitArrayAuxElement(i, made);
            }
        } catch (...) {
            parent->nativeppDeleteCompArray(made);
            throw;
        }
        elements = made;
        length = n;
    }

    void freeArray() override {
        if (elements != nullptr) {
            parent->nativeppDeleteCompArray(elements);
            elements = nullptr;
            length = -1;
        }
    }

    NativeppObject* getParent() override { return parent; }

private:
    E* elements;
    A* parent;
};

}  // namespace nativepp

#endif

#ifndef NATIVEPP_NATIVEPPJOBJECTGLOBAL_H
#define NATIVEPP_NATIVEPPJOBJECTGLOBAL_H

#include <atomic>
#include <memory>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectWrapper.h"

namespace nativepp {

/// Owns one JNI global reference, deleted when the holder is destroyed.
/// Threads: may be used and released from any thread the virtual machine knows (the
/// releasing thread's environment deletes it). Throws: the mapped proxy of a Java exception
/// from NewGlobalRef.
class NATIVEPP_EXPORT NativeppJObjectGlobal : public NativeppJObjectWrapper,
                                              public std::enable_shared_from_this<NativeppJObjectGlobal> {
public:
    NativeppJObjectGlobal();
    /// A new global reference to obj; deletes the local obj afterwards when deleteSource.
    NativeppJObjectGlobal(jobject obj, unsigned char deleteSource, JNIEnv* env);
    /// A new global reference to other's object; other keeps its own.
    NativeppJObjectGlobal(const NativeppJObjectWrapper& other, JNIEnv* env);
    ~NativeppJObjectGlobal() override;

    /// The length of the Java array referred to, once someone has read it; -1 before. A Java
    /// array's length never changes, so it is kept with the reference, for every proxy that
    /// shares it.
    int knownArrayLength() const { return arrayLength.load(std::memory_order_relaxed); }
    /// Records n as the referred array's length.
    void rememberArrayLength(int n) const { arrayLength.store(n, std::memory_order_relaxed); }

private:
    mutable std::atomic<int> arrayLength{-1};
};

}  // namespace nativepp

#endif

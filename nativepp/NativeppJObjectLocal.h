#ifndef NATIVEPP_NATIVEPPJOBJECTLOCAL_H
#define NATIVEPP_NATIVEPPJOBJECTLOCAL_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectWrapper.h"

namespace nativepp {

/// Owns one JNI local reference, deleted when the holder is destroyed.
/// Threads: lives inside one native call on the thread that made it. Throws: the mapped
/// proxy of a Java exception from NewLocalRef or DeleteLocalRef.
class NATIVEPP_EXPORT NativeppJObjectLocal : public NativeppJObjectWrapper {
public:
    NativeppJObjectLocal();
    /// Adopts obj, a local reference that the caller hands over.
    NativeppJObjectLocal(jobject obj, JNIEnv* env);
    /// Makes a new local reference to obj; deletes obj afterwards when deleteSource.
    NativeppJObjectLocal(jobject obj, unsigned char deleteSource, JNIEnv* env);
    /// Exists only to fail: two holders must never release the same reference.
    NativeppJObjectLocal(const NativeppJObjectLocal& other);
    /// Lets holders be returned by value; other is left empty.
    NativeppJObjectLocal(NativeppJObjectLocal&& other) noexcept;
    /// A holder of obj that takes obj over only when it is a local reference; a global or weak
    /// reference stays with its owner and the holder gets a local reference of its own.
    static NativeppJObjectLocal adoptIfLocal(jobject obj, JNIEnv* env);
    ~NativeppJObjectLocal() override;
};

}  // namespace nativepp

#endif

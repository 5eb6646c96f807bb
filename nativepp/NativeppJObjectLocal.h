#ifndef NATIVEPP_NATIVEPPJOBJECTLOCAL_H
#define NATIVEPP_NATIVEPPJOBJECTLOCAL_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectWrapper.h"

namespace nativepp {

// Owns one JNI local reference; lives inside one native call on one thread.
class NATIVEPP_EXPORT NativeppJObjectLocal : public NativeppJObjectWrapper {
public:
    NativeppJObjectLocal();
    // Adopts obj, a local reference that the caller hands over.
    NativeppJObjectLocal(jobject obj, JNIEnv* env);
    // Makes a new local reference to obj; deletes obj afterwards when deleteSource.
    NativeppJObjectLocal(jobject obj, unsigned char deleteSource, JNIEnv* env);
    // Exists only to fail: two holders must never release the same reference.
    NativeppJObjectLocal(const NativeppJObjectLocal& other);
    // Lets holders be returned by value; other is left empty.
    NativeppJObjectLocal(NativeppJObjectLocal&& other) noexcept;
    ~NativeppJObjectLocal() override;
};

}  // namespace nativepp

#endif

#ifndef NATIVEPP_NATIVEPPJOBJECTGLOBAL_H
#define NATIVEPP_NATIVEPPJOBJECTGLOBAL_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectWrapper.h"

namespace nativepp {

// Owns one JNI global reference; may be released from any thread the VM knows.
class NATIVEPP_EXPORT NativeppJObjectGlobal : public NativeppJObjectWrapper {
public:
    NativeppJObjectGlobal();
    // A new global reference to obj; deletes the local obj afterwards when deleteSource.
    NativeppJObjectGlobal(jobject obj, unsigned char deleteSource, JNIEnv* env);
    // A new global reference to other's object; other keeps its own.
    NativeppJObjectGlobal(const NativeppJObjectWrapper& other, JNIEnv* env);
    ~NativeppJObjectGlobal() override;
};

}  // namespace nativepp

#endif

#ifndef NATIVEPP_NATIVEPPJOBJECTGLOBAL_H
#define NATIVEPP_NATIVEPPJOBJECTGLOBAL_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectWrapper.h"

namespace nativepp {

/// Owns one JNI global reference, deleted when the holder is destroyed.
/// Threads: may be used and released from any thread the virtual machine knows (the
/// releasing thread's environment deletes it). Throws: the mapped proxy of a Java exception
/// from NewGlobalRef.
class NATIVEPP_EXPORT NativeppJObjectGlobal : public NativeppJObjectWrapper {
public:
    NativeppJObjectGlobal();
    /// A new global reference to obj; deletes the local obj afterwards when deleteSource.
    NativeppJObjectGlobal(jobject obj, unsigned char deleteSource, JNIEnv* env);
    /// A new global reference to other's object; other keeps its own.
    NativeppJObjectGlobal(const NativeppJObjectWrapper& other, JNIEnv* env);
    ~NativeppJObjectGlobal() override;
};

}  // namespace nativepp

#endif

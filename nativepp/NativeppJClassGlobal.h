#ifndef NATIVEPP_NATIVEPPJCLASSGLOBAL_H
#define NATIVEPP_NATIVEPPJCLASSGLOBAL_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJClassLocal.h"
#include "nativepp/NativeppJObjectGlobal.h"

namespace nativepp {

/// Owns one JNI global reference to a class, deleted when the holder is destroyed.
/// Threads: any thread the virtual machine knows. Throws: the mapped proxy of a Java
/// exception from NewGlobalRef.
class NATIVEPP_EXPORT NativeppJClassGlobal : public NativeppJObjectGlobal {
public:
    NativeppJClassGlobal();
    /// A new global reference to cls; with deleteSource the local reference cls is deleted (taken
    /// over), otherwise it stays with its owner.
    NativeppJClassGlobal(jclass cls, unsigned char deleteSource, JNIEnv* env);
    /// A global reference to local's class; local still releases its own reference.
    NativeppJClassGlobal(NativeppJClassLocal& local, JNIEnv* env);
    ~NativeppJClassGlobal() override;

    /// The class reference, owned by this holder.
    jclass getJClass() const { return static_cast<jclass>(getJObject()); }
};

}  // namespace nativepp

#endif

#include "nativepp/NativeppJClassGlobal.h"

namespace nativepp {

NativeppJClassGlobal::NativeppJClassGlobal() {}

NativeppJClassGlobal::NativeppJClassGlobal(jclass cls, unsigned char deleteSource, JNIEnv* env)
    : NativeppJObjectGlobal(cls, deleteSource, env) {}

NativeppJClassGlobal::NativeppJClassGlobal(NativeppJClassLocal& local, JNIEnv* env)
    : NativeppJObjectGlobal(local, env) {}

NativeppJClassGlobal::~NativeppJClassGlobal() {}

}  // namespace nativepp

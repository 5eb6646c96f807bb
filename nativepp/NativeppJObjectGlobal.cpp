#include "nativepp/NativeppJObjectGlobal.h"

namespace nativepp {

NativeppJObjectGlobal::NativeppJObjectGlobal() : NativeppJObjectWrapper(1) {}

NativeppJObjectGlobal::NativeppJObjectGlobal(jobject obj, unsigned char deleteSource, JNIEnv* env)
    : NativeppJObjectWrapper(obj, 1, 1, deleteSource, env) {}

NativeppJObjectGlobal::NativeppJObjectGlobal(const NativeppJObjectWrapper& other, JNIEnv* env)
    : NativeppJObjectWrapper(other.getJObject(), 1, 1, 0, env) {}

NativeppJObjectGlobal::~NativeppJObjectGlobal() {}

}  // namespace nativepp

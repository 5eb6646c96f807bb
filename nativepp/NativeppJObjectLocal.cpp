#include "nativepp/NativeppJObjectLocal.h"

#include <utility>

#include "nativepp/NativeppException.h"

namespace nativepp {

NativeppJObjectLocal::NativeppJObjectLocal() : NativeppJObjectWrapper(0) {}

NativeppJObjectLocal::NativeppJObjectLocal(jobject obj, JNIEnv* env) : NativeppJObjectWrapper(obj, 0, 0, 0, env) {}

NativeppJObjectLocal::NativeppJObjectLocal(jobject obj, unsigned char deleteSource, JNIEnv* env)
    : NativeppJObjectWrapper(obj, 0, 1, deleteSource, env) {}

NativeppJObjectLocal::NativeppJObjectLocal(const NativeppJObjectLocal&) : NativeppJObjectWrapper(0) {
    throw NativeppException("INTERNAL ERROR, FORBIDDEN METHOD");
}

NativeppJObjectLocal::NativeppJObjectLocal(NativeppJObjectLocal&& other) noexcept
    : NativeppJObjectWrapper(std::move(other)) {}

NativeppJObjectLocal::~NativeppJObjectLocal() {}

NativeppJObjectLocal NativeppJObjectLocal::adoptIfLocal(jobject obj, JNIEnv* env) {
    if (obj == nullptr) {
        return NativeppJObjectLocal();
    }
    // DeleteLocalRef on a global reference would be a JNI error, and would leave its owner's
    // reference to be deleted twice.
    if (env->GetObjectRefType(obj) == JNILocalRefType) {
        return NativeppJObjectLocal(obj, env);
    }
    return NativeppJObjectLocal(obj, 0, env);
}

}  // namespace nativepp

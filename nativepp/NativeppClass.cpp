#include "nativepp/NativeppClass.h"

#include <algorithm>
#include <memory>

#include "nativepp/NativeppException.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

NativeppClass::NativeppClass(const char* className, const char* signature)
    : className(className), signature(signature), jclassGlobal(nullptr) {}

NativeppClass::~NativeppClass() { delete jclassGlobal.load(); }

NativeppJClassGlobal* NativeppClass::lookUpJClass(JNIEnv* env) {
    NativeppJClassGlobal* cached = nullptr;
    NativeppJClassLocal local = getJavaClass(className.c_str(), env);
    auto made = std::make_unique<NativeppJClassGlobal>(local, env);
    // Two threads may both get here: the first to publish wins, and the loser's holder
    // releases its own global reference when it goes out of scope.
    if (jclassGlobal.compare_exchange_strong(cached, made.get(), std::memory_order_acq_rel)) {
        return made.release();
    }
    return cached;
}

std::string NativeppClass::binaryName(std::string jniName) {
    std::replace(jniName.begin(), jniName.end(), '/', '.');
    return jniName;
}

NativeppJClassLocal NativeppClass::getJavaClass(const char* name, JNIEnv* env) {
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    jclass cls = env->FindClass(name);
    if (cls == nullptr) {
        // The NoClassDefFoundError must go: no JNI call is allowed while it is pending.
        env->ExceptionClear();
        throw NativeppException(std::string("Class not found:") + name);
    }
    return NativeppJClassLocal(cls, env);
}

}  // namespace nativepp

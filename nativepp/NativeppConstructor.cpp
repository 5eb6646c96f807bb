#include "nativepp/NativeppConstructor.h"

#include <cstdarg>
#include <string>

#include "nativepp/NativeppException.h"
#include "nativepp/NativeppObjectClass.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

jmethodID NativeppConstructor::getConstructorID(int index, const char* signature, NativeppObjectClass* cls,
                                                JNIEnv* env) {
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    if (index >= 0) {
        jmethodID cached = cls->getConstructorID(index);
        if (cached != nullptr) {
            return cached;
        }
    }
    jclass javaClass = cls->getJClass(env)->getJClass();
    auto lookUp = [&] {
        jmethodID id = env->GetMethodID(javaClass, "<init>", signature);
        if (id == nullptr) {
            // The NoSuchMethodError must go: no JNI call is allowed while it is pending.
            env->ExceptionClear();
            throw NativeppException(std::string("Constructor not found, signature: ") + signature);
        }
        return id;
    };
    return index >= 0 ? cls->lookUpConstructorID(index, lookUp) : lookUp();
}

NativeppJObjectLocal NativeppConstructor::callConstructor(JNIEnv* env, int index, const char* signature,
                                                          NativeppObjectClass* cls, ...) {
    jmethodID id = getConstructorID(index, signature, cls, env);
    jclass javaClass = cls->getJClass(env)->getJClass();
    va_list args;
    va_start(args, cls);
    jobject created = env->NewObjectV(javaClass, id, args);
    va_end(args);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return NativeppJObjectLocal(created, env);
}

}  // namespace nativepp

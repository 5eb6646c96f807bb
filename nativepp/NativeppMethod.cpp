#include "nativepp/NativeppMethod.h"

#include <string>

#include "nativepp/NativeppException.h"
#include "nativepp/NativeppObjectClass.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

jmethodID NativeppMethod::getGenericMethodID(unsigned char isStatic, int index, const char* name,
                                             const char* signature, NativeppObjectClass* cls, JNIEnv* env) {
    // Every member operation looks its ID up before its JNI access: an exception that the
    // caller left pending is thrown here, before that access.
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    jmethodID cached = cls->getMethodID(index);
    if (cached != nullptr) {
        return cached;
    }
    jclass javaClass = cls->getJClass(env)->getJClass();
    return cls->lookUpMethodID(index, [&] {
        jmethodID id = isStatic ? env->GetStaticMethodID(javaClass, name, signature)
                                : env->GetMethodID(javaClass, name, signature);
        if (id == nullptr) {
            // The NoSuchMethodError must go: the binding layer leaves no Java exception pending.
            env->ExceptionClear();
            throw NativeppException(std::string("Method not found, name: ") + name + ", signature:" + signature);
        }
        return id;
    });
}

}  // namespace nativepp

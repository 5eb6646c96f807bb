#include "nativepp/NativeppMethod.h"

#include <string>

#include "nativepp/NativeppException.h"
#include "nativepp/NativeppObjectClass.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

jmethodID NativeppMethod::getGenericMethodID(unsigned char isStatic, int index, const char* name,
                                             const char* signature, NativeppObjectClass* cls, JNIEnv* env) {
    // The first lookup runs Java code (class initialisation): an exception that the caller
    // left pending goes first. Later accesses do not test for one (see NativeppThrowable).
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

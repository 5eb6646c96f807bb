#include "nativepp/NativeppFieldNamed.h"

#include <string>

#include "nativepp/NativeppClass.h"
#include "nativepp/NativeppException.h"
#include "nativepp/NativeppJObjectWrapper.h"
#include "nativepp/NativeppObjectClass.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

jfieldID NativeppFieldNamed::getGenericFieldID(unsigned char isStatic, int index, const char* name,
                                               NativeppClass* fieldClass, NativeppObjectClass* ownerClass,
                                               JNIEnv* env) {
    // Every member operation looks its ID up before its JNI access: an exception that the
    // caller left pending is thrown here, before that access.
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    jfieldID cached = ownerClass->getFieldID(index);
    if (cached != nullptr) {
        return cached;
    }
    const char* signature = fieldClass->getSignature();
    jclass cls = ownerClass->getJClass(env)->getJClass();
    return ownerClass->lookUpFieldID(index, [&] {
        jfieldID id = isStatic ? env->GetStaticFieldID(cls, name, signature) : env->GetFieldID(cls, name, signature);
        if (id == nullptr) {
            // The NoSuchFieldError must go: the binding layer leaves no Java exception pending.
            env->ExceptionClear();
            throw NativeppException(std::string("Field not found, name: ") + name + ", signature:" + signature);
        }
        return id;
    });
}



void NativeppFieldNamed::checkStorable(NativeppClass* fieldClass, const NativeppJObjectWrapper& value, JNIEnv* env) {
    if (value.isNull()) {
        return;
    }
    const jboolean storable = env->IsInstanceOf(value.getJObject(), fieldClass->getJClass(env)->getJClass());
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    if (!storable) {
        NativeppThrowable::nativeThrowClassCast(value.getJObject(), fieldClass->getClassName(), env);
    }
}

}  // namespace nativepp

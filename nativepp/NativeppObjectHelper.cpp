#include "nativepp/NativeppObjectHelper.h"

#include "nativepp/NativeppException.h"
#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppObject.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

NativeppSharedJObjectGlobal NativeppObjectHelper::getJObjectGlobal(NativeppObject& object) {
    return object.nativeppGetJObjectGlobal(NativeppJVM::getJNIEnv());
}

jobject NativeppObjectHelper::getJObjectLocal(NativeppObject& object) {
    return object.nativeppGetJObjectLocal(NativeppJVM::getJNIEnv());
}

NativeppJObjectLocal NativeppObjectHelper::getJObjectLocalWrapper(NativeppObject& object) {
    return object.nativeppGetJObjectLocalWrapper(NativeppJVM::getJNIEnv());
}

NativeppJObjectLocal NativeppObjectHelper::getJObjectLocalNotNull(NativeppObject* object, JNIEnv* env) {
    if (object == nullptr) {
        NativeppThrowable::nativeThrow("java/lang/NullPointerException", env);
    }
    NativeppJObjectLocal local = object->nativeppGetJObjectLocalWrapper(env);
    if (local.isNull()) {
        NativeppThrowable::nativeThrow("java/lang/NullPointerException", env);
    }
    return local;
}

void NativeppObjectHelper::throwNullPointer(JNIEnv* env) {
    NativeppThrowable::nativeThrow("java/lang/NullPointerException", env);
    throw NativeppException("INTERNAL ERROR, no NullPointerException thrown");
}

}  // namespace nativepp

#include "nativepp/NativeppObjectHelper.h"

#include "nativepp/NativeppClass.h"
#include "nativepp/NativeppObjectClass.h"
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
        throwNullPointer(object, env);
    }
    NativeppJObjectLocal local = object->nativeppGetJObjectLocalWrapper(env);
    if (local.isNull()) {
        throwNullPointer(object, env);
    }
    return local;
}

void NativeppObjectHelper::throwNullPointer(NativeppObject* object, JNIEnv* env) {
    if (object == nullptr) {
        NativeppThrowable::nativeThrow("java/lang/NullPointerException", "no proxy where an object is needed", env);
    }
    NativeppThrowable::nativeThrow("java/lang/NullPointerException",
                                   "the " + NativeppClass::binaryName(object->nativeppGetClass()->getClassName()) +
                                       " proxy holds no object",
                                   env);
}

}  // namespace nativepp

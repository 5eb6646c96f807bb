#include "nativepp/NativeppObjectHelper.h"

#include "nativepp/NativeppClass.h"
#include "nativepp/NativeppException.h"
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

NativeppRefusal NativeppObjectHelper::nullPointerRefusal(NativeppObject* object) {
    if (object == nullptr) {
        return NativeppRefusal::of("java/lang/NullPointerException", "no proxy where an object is needed");
    }
    return NativeppRefusal::of("java/lang/NullPointerException",
                               "the " + NativeppClass::binaryName(object->nativeppGetClass()->getClassName()) +
                                   " proxy holds no object");
}

void NativeppObjectHelper::throwNullPointer(NativeppObject* object, JNIEnv* env) {
    nullPointerRefusal(object).raise(env);
    throw NativeppException("INTERNAL ERROR, no exception thrown for an empty proxy");
}

}  // namespace nativepp

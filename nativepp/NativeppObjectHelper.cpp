#include "nativepp/NativeppObjectHelper.h"

#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppObject.h"
#include "nativepp/NativeppObjectMgr.h"
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

NativeppSharedJObjectGlobal NativeppObjectHelper::getJObjectGlobalNotNull(NativeppObject* object, JNIEnv* env) {
    if (object == nullptr) {
        NativeppThrowable::nativeThrow("java/lang/NullPointerException", env);
    }
    NativeppSharedJObjectGlobal global = object->nativeppGetObjectMgr(env)->getJObject(env);
    if (global.isNull()) {
        NativeppThrowable::nativeThrow("java/lang/NullPointerException", env);
    }
    return global;
}

}  // namespace nativepp

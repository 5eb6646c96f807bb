#include "nativepp/NativeppObjectHelper.h"

#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppObject.h"

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

}  // namespace nativepp

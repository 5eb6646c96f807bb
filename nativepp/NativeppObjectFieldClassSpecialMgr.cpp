#include "nativepp/NativeppObjectFieldClassSpecialMgr.h"

#include "nativepp/NativeppException.h"
#include "nativepp/NativeppObjectClass.h"

namespace nativepp {

NativeppObjectFieldClassSpecialMgr::NativeppObjectFieldClassSpecialMgr(NativeppObject* object,
                                                                       NativeppObjectClass* specialClass)
    : NativeppObjectFieldMgr(-1, object, nullptr), specialClass(specialClass) {}

NativeppObjectFieldClassSpecialMgr::~NativeppObjectFieldClassSpecialMgr() {}

NativeppJObjectLocal NativeppObjectFieldClassSpecialMgr::getJObjectField(NativeppRefusal&, JNIEnv* env) {
    return NativeppJObjectLocal(specialClass->getJClass(env)->getJObject(), 0, env);
}

NativeppRefusal NativeppObjectFieldClassSpecialMgr::setJObjectField(const NativeppJObjectWrapper&, JNIEnv*) {
    throw NativeppException("Especial static field class$ is not modifiable");
}

void NativeppObjectFieldClassSpecialMgr::resolve(JNIEnv* env) {
    NativeppObjectFieldMgr::resolve(env);
    specialClass->getJClass(env);
}

}  // namespace nativepp

#include "nativepp/NativeppObjectFieldNamedMgr.h"

#include "nativepp/NativeppFieldNamed.h"
#include "nativepp/NativeppFieldNamedInstance.h"
#include "nativepp/NativeppFieldNamedStatic.h"
#include "nativepp/NativeppObjectClass.h"

namespace nativepp {

NativeppObjectFieldNamedMgr::NativeppObjectFieldNamedMgr(int index, NativeppObject* object, const char* name,
                                                         NativeppObjectClass* ownerClass, NativeppObject* owner)
    : NativeppObjectFieldMgr(index, object, owner), name(name), ownerClass(ownerClass) {}

NativeppObjectFieldNamedMgr::~NativeppObjectFieldNamedMgr() {}

NativeppJObjectLocal NativeppObjectFieldNamedMgr::getJObjectField(JNIEnv* env) {
    if (owner != nullptr) {
        return NativeppFieldNamedInstance::getObjectField(index, name, getObjectClass(), ownerClass, owner, env);
    }
    return NativeppFieldNamedStatic::getStaticObjectField(index, name, getObjectClass(), ownerClass, env);
}

void NativeppObjectFieldNamedMgr::setJObjectField(const NativeppJObjectWrapper& value, JNIEnv* env) {
    if (owner != nullptr) {
        NativeppFieldNamedInstance::setObjectField(index, name, getObjectClass(), ownerClass, owner, value, env);
    } else {
        NativeppFieldNamedStatic::setStaticObjectField(index, name, getObjectClass(), ownerClass, value, env);
    }
}

void NativeppObjectFieldNamedMgr::resolve(JNIEnv* env) {
    NativeppObjectFieldMgr::resolve(env);
    // The ID lookup initialises the declaring class; once published, no JNI call.
    if (ownerClass->getFieldID(index) == nullptr) {
        NativeppFieldNamed::getGenericFieldID(owner == nullptr, index, name, getObjectClass(), ownerClass, env);
    }
}

}  // namespace nativepp

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

NativeppJObjectLocal NativeppObjectFieldNamedMgr::getJObjectField(NativeppRefusal& refused, JNIEnv* env) {
    if (owner != nullptr) {
        return NativeppFieldNamedInstance::getObjectField(index, name, getObjectClass(), ownerClass, owner, refused,
                                                          env);
    }
    return NativeppFieldNamedStatic::getStaticObjectField(index, name, getObjectClass(), ownerClass, env);
}

NativeppRefusal NativeppObjectFieldNamedMgr::setJObjectField(const NativeppJObjectWrapper& value, JNIEnv* env) {
    if (owner != nullptr) {
        return NativeppFieldNamedInstance::trySetObjectField(index, name, getObjectClass(), ownerClass, owner, value,
                                                             env);
    }
    return NativeppFieldNamedStatic::trySetStaticObjectField(index, name, getObjectClass(), ownerClass, value, env);
}

void NativeppObjectFieldNamedMgr::resolve(JNIEnv* env) {
    NativeppObjectFieldMgr::resolve(env);
    // The ID lookup initialises the declaring class; once published, no JNI call.
    if (ownerClass->getFieldID(index) == nullptr) {
        NativeppFieldNamed::getGenericFieldID(owner == nullptr, index, name, getObjectClass(), ownerClass, env);
    }
}

void NativeppObjectFieldNamedMgr::resolveForStore(JNIEnv* env) {
    resolve(env);
    const unsigned char isStatic = owner == nullptr ? 1 : 0;
    jfieldID id = NativeppFieldNamed::getGenericFieldID(isStatic, index, name, getObjectClass(), ownerClass, env);
    NativeppFieldNamed::learnWritability(isStatic, index, id, ownerClass, env);
}

}  // namespace nativepp

#include "nativepp/NativeppObjectFieldMgr.h"

namespace nativepp {

NativeppObjectFieldMgr::NativeppObjectFieldMgr(int index, NativeppObject* object, NativeppObject* owner)
    : NativeppObjectReferenceMgr(object), owner(owner), index(index) {}

NativeppObjectFieldMgr::~NativeppObjectFieldMgr() {}

NativeppSharedJObjectGlobal NativeppObjectFieldMgr::getJObject(JNIEnv* env) {
    NativeppJObjectLocal current = getJObjectField(env);
    setJObject(current, 0, env);
    return NativeppObjectReferenceMgr::getJObject(env);
}

void NativeppObjectFieldMgr::setJObjectMonoThread(const NativeppJObjectWrapper& value, unsigned char propagate,
                                                  JNIEnv* env) {
    if (propagate) {
        setJObjectField(value, env);
    }
    NativeppObjectReferenceMgr::setJObjectMonoThread(value, propagate, env);
}

}  // namespace nativepp

#include "nativepp/NativeppObjectFieldMgr.h"

#include "nativepp/NativeppObject.h"
#include "nativepp/NativeppSynchronized.h"

namespace nativepp {

NativeppObjectFieldMgr::NativeppObjectFieldMgr(int index, NativeppObject* object, NativeppObject* owner)
    : NativeppObjectReferenceMgr(object), owner(owner), index(index) {}

NativeppObjectFieldMgr::~NativeppObjectFieldMgr() {}

NativeppSharedJObjectGlobal NativeppObjectFieldMgr::getJObject(JNIEnv* env) {
    resolve(env);
    // Read and re-point under one hold of the proxy's monitor, so that a store through this
    // proxy on another thread cannot slip in between and leave it on the replaced object.
    NativeppSynchronized held(getMonitor(), env);
    NativeppRefusal refused;
    NativeppJObjectLocal current = getJObjectField(refused, env);
    if (!refused) {
        refused = setJObjectMonoThread(current, 0, env);
    }
    NativeppSharedJObjectGlobal global = NativeppObjectReferenceMgr::getJObject(env);
    held.exit();
    refused.raise(env);
    return global;
}

jobject NativeppObjectFieldMgr::getJObjectLocal(JNIEnv* env) {
    resolve(env);
    return NativeppObjectReferenceMgr::getJObjectLocal(env);
}

void NativeppObjectFieldMgr::resolve(JNIEnv* env) {
    NativeppObjectReferenceMgr::resolve(env);
    if (owner != nullptr) {
        owner->nativeppGetObjectMgr(env)->resolve(env);
    }
}

NativeppRefusal NativeppObjectFieldMgr::setJObjectMonoThread(const NativeppJObjectWrapper& value,
                                                             unsigned char propagate, JNIEnv* env) {
    if (propagate) {
        NativeppRefusal refused = setJObjectField(value, env);
        if (refused) {
            return refused;
        }
    }
    return NativeppObjectReferenceMgr::setJObjectMonoThread(value, propagate, env);
}

NativeppRefusal NativeppObjectFieldMgr::setSharedMonoThread(const NativeppSharedJObjectGlobal& share,
                                                            NativeppObjectClass* shareClass, unsigned char propagate,
                                                            JNIEnv* env) {
    if (propagate) {
        NativeppRefusal refused =
            share.isNull() ? setJObjectField(NativeppJObjectLocal(), env) : setJObjectField(*share.get(), env);
        if (refused) {
            return refused;
        }
    }
    return NativeppObjectReferenceMgr::setSharedMonoThread(share, shareClass, propagate, env);
}

}  // namespace nativepp

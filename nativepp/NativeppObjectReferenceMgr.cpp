#include "nativepp/NativeppObjectReferenceMgr.h"

#include <memory>

#include "nativepp/NativeppException.h"
#include "nativepp/NativeppObject.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

NativeppObjectReferenceMgr::NativeppObjectReferenceMgr(NativeppObject* object)
    : NativeppObjectMgr(object), mustBeDeleted(0) {}

NativeppObjectReferenceMgr::~NativeppObjectReferenceMgr() {}

void NativeppObjectReferenceMgr::setObjectReferenced(NativeppObject* other, JNIEnv* env) {
    setObjectReferenced(other, 1, env);
}

void NativeppObjectReferenceMgr::setObjectReferenced(NativeppObject* other, unsigned char propagate, JNIEnv* env) {
    if (other == nullptr) {
        setJObject(NativeppJObjectLocal(), propagate, env);
        return;
    }
    NativeppObjectMgr* otherMgr = other->nativeppGetObjectMgr(env);
    // A must-be-deleted temporary is consumed also when binding it fails (a class mismatch):
    // the caller has handed it over and keeps no pointer to delete it with.
    std::unique_ptr<NativeppObject> consumed(otherMgr->getMustBeDeleted() ? other : nullptr);
    const NativeppSharedJObjectGlobal share = otherMgr->getJObject(env);
    setShared(share, other->nativeppGetClass(), propagate, env);
}

void NativeppObjectReferenceMgr::setObjectReferenced(const NativeppObject& other, unsigned char propagate,
                                                     JNIEnv* env) {
    // Reading a proxy's value changes nothing that it can observe, beyond installing its
    // default manager on first use.
    NativeppObject& source = const_cast<NativeppObject&>(other);
    setShared(source.nativeppGetJObjectGlobal(env), source.nativeppGetClass(), propagate, env);
}

bool NativeppObjectReferenceMgr::refEqual(const NativeppJObjectLocal& obj, JNIEnv* env) {
    return refEqual(obj.getJObject(), env);
}

bool NativeppObjectReferenceMgr::refEqual(NativeppObject* other, JNIEnv* env) {
    if (other == nullptr) {
        return refEqual(NativeppJObjectLocal(), env);
    }
    return refEqual(other->nativeppGetObjectMgr(env)->getJObjectLocalWrapper(env), env);
}

bool NativeppObjectReferenceMgr::refEqual(jobject obj, JNIEnv* env) {
    NativeppJObjectLocal mine = getJObjectLocalWrapper(env);
    const jboolean same = env->IsSameObject(mine.getJObject(), obj);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return same == JNI_TRUE;
}

bool NativeppObjectReferenceMgr::refNotEqual(NativeppObject* other, JNIEnv* env) { return !refEqual(other, env); }

bool NativeppObjectReferenceMgr::refNotEqual(jobject obj, JNIEnv* env) { return !refEqual(obj, env); }

bool NativeppObjectReferenceMgr::instanceof(jclass cls, JNIEnv* env) {
    // As Class.isInstance on a null class; JNI leaves IsInstanceOf of a null class undefined.
    if (cls == nullptr) {
        NativeppThrowable::nativeThrow("java/lang/NullPointerException", "instanceof of an empty class", env);
    }
    NativeppJObjectLocal local = getJObjectLocalWrapper(env);
    if (local.isNull()) {
        return false;
    }
    const jboolean result = env->IsInstanceOf(local.getJObject(), cls);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return result == JNI_TRUE;
}

NativeppObjectReferenceMgr* NativeppObjectReferenceMgr::cast(NativeppObjectMgr* mgr) {
    if (!mgr->isReference()) {
        throw NativeppException("Object is not a reference");
    }
    return static_cast<NativeppObjectReferenceMgr*>(mgr);
}

}  // namespace nativepp

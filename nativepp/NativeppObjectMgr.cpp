#include "nativepp/NativeppObjectMgr.h"

#include <utility>

#include "nativepp/NativeppObject.h"
#include "nativepp/NativeppObjectClass.h"
#include "nativepp/NativeppSynchronized.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

NativeppObjectMgr::NativeppObjectMgr(NativeppObject* object) : object(object) {}

NativeppObjectMgr::~NativeppObjectMgr() {}

NativeppSharedJObjectGlobal NativeppObjectMgr::getJObject(JNIEnv*) {
    return NativeppSharedJObjectGlobal(jobjGlobal.load());
}

jobject NativeppObjectMgr::getJObjectLocal(JNIEnv* env) {
    NativeppSynchronized held(getMonitor(), env);
    const NativeppSharedJObjectGlobal global = getJObject(env);
    NativeppJObjectLocal local(global.isNull() ? nullptr : env->NewLocalRef(global.getJObject()), env);
    held.exit();
    return local.detach();
}

NativeppJObjectLocal NativeppObjectMgr::getJObjectLocalWrapper(JNIEnv* env) {
    return NativeppJObjectLocal(getJObjectLocal(env), env);
}

void NativeppObjectMgr::setJObject(const NativeppJObjectWrapper& w, unsigned char propagate, JNIEnv* env) {
    resolve(env);
    NativeppSynchronized held(getMonitor(), env);
    setJObjectMonoThread(w, propagate, env);
    held.exit();
}

void NativeppObjectMgr::setJObjectMonoThread(const NativeppJObjectWrapper& w, unsigned char, JNIEnv* env) {
    const NativeppJObjectGlobalSlot::Holder current = jobjGlobal.load();
    if (current != nullptr) {
        NativeppThrowable::nativeThrowIfJavaThrown(env);
        if (env->IsSameObject(current->getJObject(), w.getJObject())) {
            return;
        }
    }
    // One store replaces the old reference, so that readers never find a bound proxy empty.
    NativeppJObjectGlobalSlot::Holder replacement;
    try {
        replacement = newGlobalOf(w, env);
    } catch (...) {
        jobjGlobal.store(nullptr);
        throw;
    }
    jobjGlobal.store(std::move(replacement));
}

void NativeppObjectMgr::setShared(const NativeppSharedJObjectGlobal& share, NativeppObjectClass* shareClass,
                                  unsigned char propagate, JNIEnv* env) {
    resolve(env);
    NativeppSynchronized held(getMonitor(), env);
    setSharedMonoThread(share, shareClass, propagate, env);
    held.exit();
}

void NativeppObjectMgr::setSharedMonoThread(const NativeppSharedJObjectGlobal& share, NativeppObjectClass* shareClass,
                                            unsigned char, JNIEnv* env) {
    // A proxy holds only instances of its class, so a share from a proxy of the same class
    // needs no check.
    if (!share.isNull() && shareClass != getObjectClass()) {
        // An exception left pending goes first and leaves the proxy as it was; any failure of
        // the check itself leaves it empty, as a failed binding does.
        NativeppThrowable::nativeThrowIfJavaThrown(env);
        try {
            if (!getObjectClass()->isInstanceOf(*share.getHolder(), env)) {
                NativeppThrowable::nativeThrowClassCast(share.getJObject(), getObjectClass()->getClassName(), env);
            }
        } catch (...) {
            jobjGlobal.store(nullptr);
            throw;
        }
    }
    jobjGlobal.store(share.getHolder());
}

NativeppJObjectGlobalSlot::Holder NativeppObjectMgr::newGlobalOf(const NativeppJObjectWrapper& w, JNIEnv* env) {
    if (w.isNull()) {
        return nullptr;
    }
    if (!getObjectClass()->isInstanceOf(w, env)) {
        NativeppThrowable::nativeThrowClassCast(w.getJObject(), getObjectClass()->getClassName(), env);
    }
    return std::make_shared<NativeppJObjectGlobal>(w, env);
}

void NativeppObjectMgr::resolve(JNIEnv* env) { getObjectClass()->getJClass(env); }

NativeppObjectClass* NativeppObjectMgr::getObjectClass() { return object->nativeppGetClass(); }

NativeppMonitor* NativeppObjectMgr::getMonitor() { return object->nativeppGetMonitor(); }

}  // namespace nativepp

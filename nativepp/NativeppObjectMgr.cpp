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
    return jobjGlobal.read();
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
    resolveForStore(env);
    NativeppSynchronized held(getMonitor(), env);
    const NativeppRefusal refused = setJObjectMonoThread(w, propagate, env);
    held.exit();
    refused.raise(env);
}

NativeppRefusal NativeppObjectMgr::setJObjectMonoThread(const NativeppJObjectWrapper& w, unsigned char,
                                                        JNIEnv* env) {
    const NativeppJObjectGlobalSlot::Holder current = jobjGlobal.load();
    if (current != nullptr) {
        NativeppThrowable::nativeThrowIfJavaThrown(env);
        if (env->IsSameObject(current->getJObject(), w.getJObject())) {
            return NativeppRefusal();
        }
    }
    // One store replaces the old reference, so that readers never find a bound proxy empty.
    NativeppJObjectGlobalSlot::Holder replacement;
    NativeppRefusal refused;
    try {
        refused = classRefusalOf(w, env);
        if (!refused && !w.isNull()) {
            replacement = std::make_shared<NativeppJObjectGlobal>(w, env);
        }
    } catch (...) {
        jobjGlobal.store(nullptr);
        throw;
    }
    jobjGlobal.store(std::move(replacement));
    return refused;
}

void NativeppObjectMgr::setShared(const NativeppSharedJObjectGlobal& share, NativeppObjectClass* shareClass,
                                  unsigned char propagate, JNIEnv* env) {
    resolveForStore(env);
    NativeppSynchronized held(getMonitor(), env);
    const NativeppRefusal refused = setSharedMonoThread(share, shareClass, propagate, env);
    held.exit();
    refused.raise(env);
}

NativeppRefusal NativeppObjectMgr::setSharedMonoThread(const NativeppSharedJObjectGlobal& share,
                                                       NativeppObjectClass* shareClass, unsigned char, JNIEnv* env) {
    // A proxy holds only instances of its class, so a share from a proxy of the same class
    // needs no check.
    if (!share.isNull() && shareClass != getObjectClass()) {
        // An exception left pending goes first and leaves the proxy as it was; any failure of
        // the check itself leaves it empty, as a failed binding does.
        NativeppThrowable::nativeThrowIfJavaThrown(env);
        NativeppRefusal refused;
        try {
            refused = classRefusalOf(*share.get(), env);
        } catch (...) {
            jobjGlobal.store(nullptr);
            throw;
        }
        if (refused) {
            jobjGlobal.store(nullptr);
            return refused;
        }
    }
    jobjGlobal.store(share.getHolder());
    return NativeppRefusal();
}

NativeppRefusal NativeppObjectMgr::classRefusalOf(const NativeppJObjectWrapper& w, JNIEnv* env) {
    if (w.isNull() || getObjectClass()->isInstanceOf(w, env)) {
        return NativeppRefusal();
    }
    return NativeppRefusal::classCast(w.getJObject(), getObjectClass()->getClassName());
}

void NativeppObjectMgr::resolve(JNIEnv* env) { getObjectClass()->getJClass(env); }

void NativeppObjectMgr::resolveForStore(JNIEnv* env) { resolve(env); }

NativeppObjectClass* NativeppObjectMgr::getObjectClass() { return object->nativeppGetClass(); }

NativeppMonitor* NativeppObjectMgr::getMonitor() { return object->nativeppGetMonitor(); }

}  // namespace nativepp

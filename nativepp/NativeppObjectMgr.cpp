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
    return NativeppSharedJObjectGlobal(std::atomic_load(&jobjGlobal));
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
    NativeppSynchronized held(getMonitor(), env);
    setJObjectMonoThread(w, propagate, env);
    held.exit();
}

void NativeppObjectMgr::setJObjectMonoThread(const NativeppJObjectWrapper& w, unsigned char, JNIEnv* env) {
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    const std::shared_ptr<NativeppJObjectGlobal> current = std::atomic_load(&jobjGlobal);
    if (current != nullptr && env->IsSameObject(current->getJObject(), w.getJObject())) {
        return;
    }
    // One store replaces the old reference, so that readers never find a bound proxy empty.
    std::shared_ptr<NativeppJObjectGlobal> replacement;
    try {
        replacement = newGlobalOf(w, env);
    } catch (...) {
        std::atomic_store(&jobjGlobal, std::shared_ptr<NativeppJObjectGlobal>());
        throw;
    }
    std::atomic_store(&jobjGlobal, std::move(replacement));
}

std::shared_ptr<NativeppJObjectGlobal> NativeppObjectMgr::newGlobalOf(const NativeppJObjectWrapper& w, JNIEnv* env) {
    if (w.isNull()) {
        return nullptr;
    }
    if (!getObjectClass()->isInstanceOf(w, env)) {
        NativeppThrowable::nativeThrow("java/lang/ClassCastException", env);
    }
    return std::make_shared<NativeppJObjectGlobal>(w, env);
}

NativeppObjectClass* NativeppObjectMgr::getObjectClass() { return object->nativeppGetClass(); }

NativeppMonitor* NativeppObjectMgr::getMonitor() { return object->nativeppGetMonitor(); }

}  // namespace nativepp

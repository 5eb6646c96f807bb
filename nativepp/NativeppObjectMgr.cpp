#include "nativepp/NativeppObjectMgr.h"

#include "nativepp/NativeppObject.h"
#include "nativepp/NativeppObjectClass.h"
#include "nativepp/NativeppSynchronized.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

NativeppObjectMgr::NativeppObjectMgr(NativeppObject* object) : object(object), jobjGlobal(nullptr) {}

NativeppObjectMgr::~NativeppObjectMgr() { delete jobjGlobal.load(); }

jobject NativeppObjectMgr::getJObject(JNIEnv*) {
    NativeppJObjectGlobal* global = jobjGlobal.load(std::memory_order_acquire);
    return global != nullptr ? global->getJObject() : nullptr;
}

jobject NativeppObjectMgr::getJObjectLocal(JNIEnv* env) {
    NativeppSynchronized held(getMonitor(), env);
    jobject global = getJObject(env);
    NativeppJObjectLocal local(global != nullptr ? env->NewLocalRef(global) : nullptr, env);
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
    NativeppJObjectGlobal* current = jobjGlobal.load(std::memory_order_acquire);
    if (current != nullptr) {
        if (env->IsSameObject(current->getJObject(), w.getJObject())) {
            return;
        }
        jobjGlobal.store(nullptr, std::memory_order_release);
        delete current;
    }
    if (w.isNull()) {
        return;
    }
    if (!getObjectClass()->isInstanceOf(w, env)) {
        NativeppThrowable::nativeThrow("java/lang/ClassCastException", env);
    }
    jobjGlobal.store(new NativeppJObjectGlobal(w, env), std::memory_order_release);
}

NativeppObjectClass* NativeppObjectMgr::getObjectClass() { return object->nativeppGetClass(); }

NativeppMonitor* NativeppObjectMgr::getMonitor() { return object->nativeppGetMonitor(); }

}  // namespace nativepp

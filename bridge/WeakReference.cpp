#include "bridge/WeakReference.h"

#include "bridge/LocalReference.h"

WeakReference::WeakReference(JNIEnv* env, jobject referenceObject)
    : JavaObjectWrapper(env, referenceObject), m_methodId(nullptr) {
    // GetObjectClass of null is fatal to the virtual machine.
    if (m_globalRef == nullptr) {
        return;
    }
    LocalReference<jclass> type(env, env->GetObjectClass(m_globalRef));
    LocalReference<jclass> superclass(env, env->GetSuperclass(type.get()));
    if (superclass.isNull()) {
        return;
    }
    // A failed lookup leaves null here and NoSuchMethodError pending for the Java caller.
    m_methodId = env->GetMethodID(superclass.get(), "get", "()Ljava/lang/Object;");
}

WeakReference::~WeakReference() {}

jobject WeakReference::get(JNIEnv* env) {
    // Calling with a null method ID or on a null object would bring the virtual machine down.
    if (m_methodId == nullptr || m_globalRef == nullptr) {
        return nullptr;
    }
    return env->CallObjectMethod(m_globalRef, m_methodId);
}

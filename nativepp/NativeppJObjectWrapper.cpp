#include "nativepp/NativeppJObjectWrapper.h"

#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

NativeppJObjectWrapper::NativeppJObjectWrapper(unsigned char global) : jobj(nullptr), global(global), env(nullptr) {}

NativeppJObjectWrapper::NativeppJObjectWrapper(jobject obj, unsigned char global, unsigned char copy,
                                               unsigned char deleteSource, JNIEnv* env)
    : jobj(nullptr), global(global), env(nullptr) {
    setJObjectInternal(obj, global, copy, deleteSource, env);
}

NativeppJObjectWrapper::NativeppJObjectWrapper(NativeppJObjectWrapper&& other) noexcept
    : jobj(other.jobj), global(other.global), env(other.env) {
    other.jobj = nullptr;
}

void NativeppJObjectWrapper::setJObjectInternal(jobject obj, unsigned char isGlobal, unsigned char copy,
                                                unsigned char deleteSource, JNIEnv* jniEnv) {
    // A local reference belongs to its thread, whose environment releases it; a global one
    // may be released on any thread, which then finds its own.
    env = isGlobal ? nullptr : jniEnv;
    global = isGlobal;
    if (obj == nullptr) {
        jobj = nullptr;
        return;
    }
    if (!copy) {
        jobj = obj;
        return;
    }
    // A constructor that throws runs no destructor: the new reference is stored only once
    // nothing can throw any more, and none is made while an exception is pending. The source
    // was handed over, so it goes on every path (DeleteLocalRef may run with one pending).
    jobject made = nullptr;
    if (!jniEnv->ExceptionCheck()) {
        made = global ? jniEnv->NewGlobalRef(obj) : jniEnv->NewLocalRef(obj);
    }
    if (deleteSource) {
        jniEnv->DeleteLocalRef(obj);
    }
    // New references fail only for want of memory, and then return null.
    if (made == nullptr) {
        NativeppThrowable::nativeThrowIfJavaThrown(jniEnv);
    }
    jobj = made;
}

NativeppJObjectWrapper::~NativeppJObjectWrapper() {
    if (jobj == nullptr) {
        return;
    }
    JNIEnv* releaseEnv = env != nullptr ? env : NativeppJVM::getJNIEnv(false);
    if (releaseEnv == nullptr) {
        return;
    }
    if (global) {
        releaseEnv->DeleteGlobalRef(jobj);
    } else {
        releaseEnv->DeleteLocalRef(jobj);
    }
}

jobject NativeppJObjectWrapper::getJObjectLocalCopy(JNIEnv* jniEnv) {
    NativeppThrowable::nativeThrowIfJavaThrown(jniEnv);
    return jniEnv->NewLocalRef(jobj);
}

void NativeppJObjectWrapper::checkNotNull() {
    if (jobj == nullptr) {
        NativeppThrowable::nativeThrow("java/lang/NullPointerException", "the reference is null",
                                       env != nullptr ? env : NativeppJVM::getJNIEnv());
    }
}

jobject NativeppJObjectWrapper::detach() {
    jobject detached = jobj;
    jobj = nullptr;
    return detached;
}

}  // namespace nativepp

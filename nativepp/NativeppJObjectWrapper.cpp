#include "nativepp/NativeppJObjectWrapper.h"

#include <atomic>

#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

namespace {

std::atomic<int> globalReferenceCount{0};

}  // namespace

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
    env = nullptr;
    global = isGlobal;
    if (obj == nullptr) {
        jobj = nullptr;
        return;
    }
    if (!copy) {
        jobj = obj;
        return;
    }
    jobj = global ? jniEnv->NewGlobalRef(obj) : jniEnv->NewLocalRef(obj);
    if (global && jobj != nullptr) {
        ++globalReferenceCount;
    }
    NativeppThrowable::nativeThrowIfJavaThrown(jniEnv);
    if (deleteSource) {
        jniEnv->DeleteLocalRef(obj);
        NativeppThrowable::nativeThrowIfJavaThrown(jniEnv);
    }
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
        --globalReferenceCount;
    } else {
        releaseEnv->DeleteLocalRef(jobj);
    }
}

jobject NativeppJObjectWrapper::getJObjectLocalCopy(JNIEnv* jniEnv) { return jniEnv->NewLocalRef(jobj); }

void NativeppJObjectWrapper::checkNotNull() {
    if (jobj == nullptr) {
        NativeppThrowable::nativeThrow("java/lang/NullPointerException",
                                       env != nullptr ? env : NativeppJVM::getJNIEnv());
    }
}

jobject NativeppJObjectWrapper::detach() {
    jobject detached = jobj;
    jobj = nullptr;
    if (global && detached != nullptr) {
        --globalReferenceCount;
    }
    return detached;
}

int NativeppJObjectWrapper::liveGlobalReferences() { return globalReferenceCount.load(); }

}  // namespace nativepp

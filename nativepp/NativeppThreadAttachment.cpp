#include "nativepp/NativeppThreadAttachment.h"

#include <pthread.h>

namespace nativepp {

namespace {

// Holds, for each thread that this library attached, the virtual machine to leave.
pthread_key_t attachedThreadKey(void (*destructor)(void*)) {
    static const pthread_key_t key = [destructor] {
        pthread_key_t k;
        pthread_key_create(&k, destructor);
        return k;
    }();
    return key;
}

}  // namespace

jint NativeppThreadAttachment::attach(JavaVM* vm, JNIEnv** env) {
    const pthread_key_t key = attachedThreadKey(detachAtExit);
    const jint result = vm->AttachCurrentThread(reinterpret_cast<void**>(env), nullptr);
    if (result == JNI_OK) {
        pthread_setspecific(key, vm);
    }
    return result;
}

JNIEnv* NativeppThreadAttachment::currentEnv(JavaVM* vm, jint version) {
    JNIEnv* env = nullptr;
    // GetEnv leaves env null for a thread it does not know; its result code adds nothing.
    vm->GetEnv(reinterpret_cast<void**>(&env), version);
    if (env != nullptr) {
        return env;
    }
    return attach(vm, &env) == JNI_OK ? env : nullptr;
}

void NativeppThreadAttachment::detachAtExit(void* vm) {
    static_cast<JavaVM*>(vm)->DetachCurrentThread();
}

}  // namespace nativepp

#include "nativepp/NativeppJVM.h"

#include <dlfcn.h>

#include <string>

#include "nativepp/NativeppException.h"
#include "nativepp/NativeppThreadAttachment.h"

namespace nativepp {

JavaVM* NativeppJVM::jvm = nullptr;
jint NativeppJVM::jvmVersion = JNI_VERSION_1_4;

namespace {

// Initial-exec: one load from the thread pointer, where the general model calls
// __tls_get_addr.
[[gnu::tls_model("initial-exec")]] thread_local JNIEnv* scopedEnv = nullptr;

}  // namespace

JNIEnv* NativeppJVM::swapScopedEnv(JNIEnv* env) noexcept {
    JNIEnv* replaced = scopedEnv;
    scopedEnv = env;
    return replaced;
}

void NativeppJVM::setJavaVM(JavaVM* vm) { jvm = vm; }

void NativeppJVM::setJavaVM(JNIEnv* env) {
    JavaVM* vm = nullptr;
    const jint result = env->GetJavaVM(&vm);
    if (result != JNI_OK) {
        throw NativeppException("Unable to get JVM pointer", result);
    }
    jvm = vm;
}

bool NativeppJVM::loaded() { return jvm != nullptr; }

jint NativeppJVM::getJVMVersion() { return jvmVersion; }

JavaVM* NativeppJVM::getJavaVM(unsigned char mustExist) {
    if (jvm == nullptr && mustExist) {
        throw NativeppException("Java Virtual Machine is not loaded or not registered");
    }
    return jvm;
}

JavaVM* NativeppJVM::getJavaVM() { return getJavaVM(true); }

JNIEnv* NativeppJVM::attachCurrentThread() {
    JNIEnv* env = nullptr;
    return NativeppThreadAttachment::attach(getJavaVM(true), &env) == JNI_OK ? env : nullptr;
}

JNIEnv* NativeppJVM::getJNIEnv(unsigned char mustExist) {
    // Every proxy operation and every release of a reference starts here: the short path,
    // inside a native's scope, asks nothing; an attached thread makes one call, GetEnv.
    if (JNIEnv* scoped = scopedEnv) {
        return scoped;
    }
    JavaVM* vm = jvm;
    if (vm == nullptr) {
        getJavaVM(mustExist);  // raises when it must exist
        return nullptr;
    }
    JNIEnv* env = nullptr;
    vm->GetEnv(reinterpret_cast<void**>(&env), jvmVersion);
    return env != nullptr ? env : NativeppThreadAttachment::currentEnv(vm, jvmVersion);
}

JNIEnv* NativeppJVM::getJNIEnv() { return getJNIEnv(true); }

JavaVM* NativeppJVM::load(const char* libraryPath, JavaVMInitArgs* args) {
    using CreateJavaVM = jint (*)(JavaVM**, void**, void*);
    const std::string path = libraryPath ? libraryPath : "";
    // dlopen(nullptr) would hand back the running program instead of failing.
    void* library = libraryPath ? dlopen(libraryPath, RTLD_LAZY) : nullptr;
    if (library == nullptr) {
        throw NativeppException("Cannot load : " + path);
    }
    auto create = reinterpret_cast<CreateJavaVM>(dlsym(library, "JNI_CreateJavaVM"));
    if (create == nullptr) {
        throw NativeppException("Loaded DLL is not jvm.dll : " + path);
    }
    JavaVM* vm = nullptr;
    JNIEnv* env = nullptr;
    const jint result = args ? create(&vm, reinterpret_cast<void**>(&env), args) : JNI_EINVAL;
    if (result != JNI_OK) {
        throw NativeppException("Error loading JVM", result);
    }
    jvm = vm;
    jvmVersion = args->version;
    return jvm;
}

}  // namespace nativepp

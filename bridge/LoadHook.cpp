#include "bridge/LoadHook.h"

#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppThreadAttachment.h"

using nativepp::NativeppJVM;
using nativepp::NativeppThreadAttachment;

JavaVM* globalJVM = nullptr;

JavaVM* getJavaVM() { return globalJVM; }

void setJavaVM(JavaVM* vm) { globalJVM = vm; }

JNIEnv* getJNIEnv() {
    static const jint jvmVersion = JNI_VERSION_1_4;
    JavaVM* vm = getJavaVM();
    if (vm == nullptr) {
        return nullptr;
    }
    JNIEnv* env = nullptr;
    vm->GetEnv(reinterpret_cast<void**>(&env), jvmVersion);
    if (env != nullptr) {
        return env;
    }
    return NativeppThreadAttachment::attach(vm, &env) == JNI_OK ? env : nullptr;
}

extern "C" JNIEXPORT jint JNICALL JNI_OnLoad(JavaVM* vm, void* /*reserved*/) {
    setJavaVM(vm);
    NativeppJVM::setJavaVM(vm);
    return NativeppJVM::getJVMVersion();
}

extern "C" JNIEXPORT void JNICALL JNI_OnUnload(JavaVM* /*vm*/, void* /*reserved*/) {}

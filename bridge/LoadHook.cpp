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
    return vm != nullptr ? NativeppThreadAttachment::currentEnv(vm, jvmVersion) : nullptr;
}

extern "C" JNIEXPORT jint JNICALL JNI_OnLoad(JavaVM* vm, void* /*reserved*/) {
    setJavaVM(vm);
    NativeppJVM::setJavaVM(vm);
    return NativeppJVM::getJVMVersion();
}

extern "C" JNIEXPORT void JNICALL JNI_OnUnload(JavaVM* /*vm*/, void* /*reserved*/) {}

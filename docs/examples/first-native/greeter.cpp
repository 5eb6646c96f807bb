#include <jni.h>

#include "java/lang/Integer.h"
#include "java/lang/String.h"
#include "nativepp/NativeppBoundary.h"
#include "nativepp/NativeppJVM.h"

using java::lang::String;

// Found by its name: Java_, the class, the method.
extern "C" JNIEXPORT jstring JNICALL Java_com_example_Greeter_greet(JNIEnv* env, jclass, jstring name) {
    return nativepp::nativeppBoundary(env, [&] {
        String greeting = String("Hello, ") + String(name) + "!";
        return nativepp::nativeppNewLocalRef<jstring>(greeting, env);
    });
}

namespace {

// Registered below; a NumberFormatException that parseInt raises passes through to Java.
jint parse(JNIEnv*, jclass, jstring text) {
    return java::lang::Integer::parseInt(text);
}

}  // namespace

extern "C" JNIEXPORT jint JNICALL JNI_OnLoad(JavaVM* vm, void*) {
    nativepp::NativeppJVM::setJavaVM(vm);  // the proxies reach Java through this VM
    JNIEnv* env = nullptr;
    if (vm->GetEnv(reinterpret_cast<void**>(&env), JNI_VERSION_1_4) != JNI_OK) {
        return JNI_ERR;
    }
    jclass greeter = env->FindClass("com/example/Greeter");
    if (greeter == nullptr) {
        return JNI_ERR;
    }
    const JNINativeMethod methods[] = {
        nativepp::nativeppNativeMethod<&parse>("parse", "(Ljava/lang/String;)I"),
    };
    const jint registered = env->RegisterNatives(greeter, methods, 1);
    env->DeleteLocalRef(greeter);
    return registered == JNI_OK ? JNI_VERSION_1_4 : JNI_ERR;
}

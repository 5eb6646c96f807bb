// Natives of CallbackStateManagerNative: registering Java callbacks for native callers.
#include <jni.h>

#include "bridge/JavaCallback.h"
#include "bridge/NativeAddress.h"
#include "bridge/NativeBarrier.h"

extern "C" {

// The calling object's class is where the callback method is looked up.
JNIEXPORT jlong JNICALL Java_com_drovantel_tarvelo_core_impl_jni_CallbackStateManagerNative_registerInDLL(
    JNIEnv* env, jobject caller, jobject referenceObject, jint typeIndex, jint extra) {
    return nativeBarrier(env, [&] {
        return toJavaAddress(JavaCallback::callbackRegister(env, caller, referenceObject, typeIndex, extra));
    });
}

JNIEXPORT jint JNICALL Java_com_drovantel_tarvelo_core_impl_jni_CallbackStateManagerNative_unregisterInDLL(
    JNIEnv* env, jclass, jlong handle) {
    return JavaCallback::callbackUnregister(env, handle);
}

}  // extern "C"

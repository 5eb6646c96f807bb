// Natives of CallbackStateManagerNative: registering Java callbacks for native callers.
#include <jni.h>

#include <cstdint>
#include <cstdio>

#include "bridge/JavaCallback.h"
#include "bridge/JavaExceptions.h"
#include "bridge/MethodNative.h"
#include "bridge/NativeAddress.h"
#include "bridge/NativeBarrier.h"
#include "bridge/ThunkPool.h"
#include "bridge/asm_dispatch.h"

#include "TargetAbi.h"

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

JNIEXPORT jlong JNICALL Java_com_drovantel_tarvelo_core_impl_jni_CallbackStateManagerNative_makeThunk(
    JNIEnv* env, jclass, jlong handle, jint callingConvention, jlong argsSize) {
    auto* callback = fromJavaAddress<JavaCallback>(handle);
    if (callback == nullptr) {
        ThrowNativeException(env, "a thunk needs a registered callback handle, not 0");
        return 0;
    }
    if (!isCallBlockSize(argsSize)) {
        ThrowNativeException(env, callBlockSizeRule());
        return 0;
    }
    void* thunk = ThunkPool::bind(callback, thunkStackBytes(callingConvention, argsSize));
    if (thunk == nullptr) {
        char message[96];
        std::snprintf(message, sizeof message, "all %d thunks are in use: free one with freeThunk",
                      ThunkPool::kSize);
        ThrowNativeException(env, message);
        return 0;
    }
    return toJavaAddress(thunk);
}

JNIEXPORT jint JNICALL Java_com_drovantel_tarvelo_core_impl_jni_CallbackStateManagerNative_freeThunk(
    JNIEnv* env, jclass, jlong thunk) {
    if (thunk == 0) {
        return 0;
    }
    if (!ThunkPool::release(fromJavaAddress(thunk))) {
        ThrowNativeException(env, "freeThunk was given an address that is no thunk in use");
        return 0;
    }
    return 1;
}

}  // extern "C"

// Natives of the Java class JNIEnv: global references that the Java side holds as 32-bit
// handles (GlobalRefHandles says what a handle is on each target).
#include <jni.h>

#include "GlobalRefHandles.h"
#include "bridge/NativeBarrier.h"

extern "C" {

// Null for a null object.
JNIEXPORT jint JNICALL Java_com_drovantel_tarvelo_core_impl_jni_JNIEnv_NewGlobalRef(JNIEnv* env, jclass,
                                                                                    jobject obj) {
    return nativeBarrier(env, [&] { return GlobalRefHandles::newHandle(env, obj); });
}

// Deleting the null handle does nothing.
JNIEXPORT void JNICALL Java_com_drovantel_tarvelo_core_impl_jni_JNIEnv_DeleteGlobalRef(JNIEnv* env, jclass,
                                                                                      jint handle) {
    GlobalRefHandles::deleteHandle(env, handle);
}

}  // extern "C"

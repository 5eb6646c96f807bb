// Natives of the Java class JNIEnv: global references that the Java side holds as numbers.
#include <jni.h>

#include <cstdint>

extern "C" {

// The handle is the global reference itself, one 32-bit value; null for a null object.
JNIEXPORT jint JNICALL Java_com_drovantel_tarvelo_core_impl_jni_JNIEnv_NewGlobalRef(JNIEnv* env, jclass,
                                                                                    jobject obj) {
    return static_cast<jint>(reinterpret_cast<intptr_t>(env->NewGlobalRef(obj)));
}

// Deleting the null handle does nothing.
JNIEXPORT void JNICALL Java_com_drovantel_tarvelo_core_impl_jni_JNIEnv_DeleteGlobalRef(JNIEnv* env, jclass,
                                                                                      jint handle) {
    env->DeleteGlobalRef(reinterpret_cast<jobject>(static_cast<intptr_t>(handle)));
}

}  // extern "C"

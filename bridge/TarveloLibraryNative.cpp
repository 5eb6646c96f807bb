// Natives of TarveloLibraryNative: the calling object registers itself for native lookups.
#include <jni.h>

#include "bridge/NativeBarrier.h"
#include "bridge/TarveloLibraryImpl.h"

extern "C" {

JNIEXPORT void JNICALL Java_com_drovantel_tarvelo_core_impl_jni_TarveloLibraryNative_registerSelf(JNIEnv* env,
                                                                                                 jobject self,
                                                                                                 jstring name) {
    // On failure nothing is registered and the previous registration stays.
    nativeBarrier(env, [&] { TarveloLibraryImpl::registerSelf(env, self, name); });
}

JNIEXPORT void JNICALL Java_com_drovantel_tarvelo_core_impl_jni_TarveloLibraryNative_unregisterSelf(JNIEnv* env,
                                                                                                   jobject) {
    TarveloLibraryImpl::unregisterSelf(env);
}

}  // extern "C"

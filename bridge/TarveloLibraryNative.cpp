// Natives of TarveloLibraryNative: the calling object registers itself for native lookups.
#include <jni.h>

#include <new>

#include "bridge/TarveloLibraryImpl.h"

extern "C" {

JNIEXPORT void JNICALL Java_com_drovantel_tarvelo_core_impl_jni_TarveloLibraryNative_registerSelf(JNIEnv* env,
                                                                                                 jobject self,
                                                                                                 jstring name) {
    try {
        TarveloLibraryImpl::registerSelf(env, self, name);
    } catch (const std::bad_alloc&) {
        // Nothing registered; the previous registration stays.
    }
}

JNIEXPORT void JNICALL Java_com_drovantel_tarvelo_core_impl_jni_TarveloLibraryNative_unregisterSelf(JNIEnv* env,
                                                                                                   jobject) {
    TarveloLibraryImpl::unregisterSelf(env);
}

}  // extern "C"

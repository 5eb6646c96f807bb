// Loading and unloading native libraries through the dynamic loader.
#include <dlfcn.h>
#include <jni.h>

#include <cstdio>
#include <string>

#include "bridge/LoaderName.h"
#include "bridge/NativeAddress.h"
#include "bridge/NativeBarrier.h"

namespace {

std::string loaderError() {
    const char* text = dlerror();
    return text != nullptr ? text : "";
}

// Both loader texts as two lines, written as they are: a library path may hold '%', so
// they must never be a printf format. Flushed, because stdout is fully buffered whenever
// it is not a terminal, and the lines would otherwise show up late or never.
void reportBothFailed(const std::string& first, const std::string& second) {
    const std::string lines = first + '\n' + second + '\n';
    std::fwrite(lines.data(), 1, lines.size(), stdout);
    std::fflush(stdout);
}

// Opens the fallback library after the preferred one failed with firstError.
void* loadFallback(JNIEnv* env, jstring fallbackName, const std::string& firstError) {
    LoaderName fallback(env, fallbackName);
    if (fallback.get() == nullptr) {
        return nullptr;
    }
    void* handle = dlopen(fallback.get(), RTLD_LAZY);
    if (handle == nullptr) {
        reportBothFailed(firstError, loaderError());
    }
    return handle;
}

}  // namespace

extern "C" {

JNIEXPORT jlong JNICALL Java_com_drovantel_tarvelo_core_impl_jni_DynamicLibraryNative_load(
    JNIEnv* env, jclass, jstring fallbackName, jstring preferredName) {
    return nativeBarrier(env, [&]() -> jlong {
        LoaderName preferred(env, preferredName);
        if (preferred.get() == nullptr) {
            return 0;
        }
        void* handle = dlopen(preferred.get(), RTLD_LAZY);
        if (handle == nullptr) {
            // Copied now: the next loader call replaces the text.
            handle = loadFallback(env, fallbackName, loaderError());
        }
        return toJavaAddress(handle);
    });
}

// false when the library was closed, true when the loader reported an error.
JNIEXPORT jboolean JNICALL Java_com_drovantel_tarvelo_core_impl_jni_DynamicLibraryNative_free(
    JNIEnv*, jclass, jlong handle) {
    void* library = fromJavaAddress(handle);
    if (library == nullptr) {
        return JNI_TRUE;  // dlclose(NULL) would crash inside the loader
    }
    return dlclose(library) != 0 ? JNI_TRUE : JNI_FALSE;
}

}  // extern "C"

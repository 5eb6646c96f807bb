#include "bridge/TarveloLibraryImpl.h"

#include <cstring>
#include <memory>
#include <vector>

#include "bridge/LoadHook.h"
#include "bridge/LocalReference.h"
#include "nativepp/NativeppUtf.h"

TarveloLibraryImpl* TarveloLibraryImpl::SINGLETON = nullptr;

void TarveloLibraryImpl::registerSelf(JNIEnv* env, jobject object, jstring /*name*/) {
    auto registered = std::make_unique<TarveloLibraryImpl>(env, object);
    std::unique_ptr<TarveloLibraryImpl> replaced(SINGLETON);
    SINGLETON = registered.release();
    if (replaced) {
        // Otherwise the replaced object would stay pinned by its global reference for good.
        replaced->free(env);
    }
}

void TarveloLibraryImpl::unregisterSelf(JNIEnv* env) {
    std::unique_ptr<TarveloLibraryImpl> registered(SINGLETON);
    SINGLETON = nullptr;
    if (registered) {
        registered->free(env);
    }
}

TarveloLibraryImpl::TarveloLibraryImpl(JNIEnv* env, jobject object)
    : JavaObjectWrapper(env, object), m_findMethodId(nullptr) {
    if (m_globalRef == nullptr) {
        return;
    }
    LocalReference<jclass> type(env, env->GetObjectClass(m_globalRef));
    // A failed lookup leaves null here and its exception pending for the Java caller.
    m_findMethodId = env->GetMethodID(type.get(), "findExportedMethodAddress", "(Ljava/lang/String;)J");
}

TarveloLibraryImpl::~TarveloLibraryImpl() {}

namespace {

// Native callers name their exports in UTF-8 (modified UTF-8 reads as well). False when the
// conversion fails (out of memory): this entry point, called from native code, must not throw.
bool javaStringOf(JNIEnv* env, const char* name, jstring* javaName) {
    try {
        const std::vector<jchar> units = nativepp::NativeppUtf::utf16FromUtf8(name, std::strlen(name));
        *javaName = env->NewString(units.data(), static_cast<jsize>(units.size()));
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace

jlong TarveloLibraryImpl::findExportedMethodAddress(const char* name) {
    JNIEnv* env = getJNIEnv();
    // JNI allows no call while an exception is pending; the earlier one must reach Java first.
    if (env == nullptr || m_findMethodId == nullptr || env->ExceptionCheck()) {
        return 0;
    }
    jstring converted = nullptr;
    if (name != nullptr && !javaStringOf(env, name, &converted)) {
        return 0;
    }
    LocalReference<jstring> javaName(env, converted);
    if (env->ExceptionCheck()) {
        return 0;
    }
    const jlong address = env->CallLongMethod(m_globalRef, m_findMethodId, javaName.get());
    // Checked as JNI requires; an exception stays pending for the Java caller.
    return env->ExceptionCheck() ? 0 : address;
}

extern "C" JNIEXPORT jlong TARVELO_NATIVE_ENTRY findExportedMethodAddress(const char* name) {
    TarveloLibraryImpl* library = TarveloLibraryImpl::SINGLETON;
    return library == nullptr ? 0 : library->findExportedMethodAddress(name);
}

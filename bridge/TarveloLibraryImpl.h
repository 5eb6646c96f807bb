#ifndef BRIDGE_TARVELOLIBRARYIMPL_H
#define BRIDGE_TARVELOLIBRARYIMPL_H

#include <jni.h>

#include "bridge/JavaObjectWrapper.h"
#include "bridge/NativeEntryPoint.h"

// The Java object that registered itself, which native code asks for the address under
// which a Java method is exported.
class TarveloLibraryImpl : public JavaObjectWrapper {
public:
    // Replaces the registered object with `object`, releasing the one it replaces.
    static void registerSelf(JNIEnv* env, jobject object, jstring name);
    // Releases the registered object; harmless with nothing registered.
    static void unregisterSelf(JNIEnv* env);

    // The registered object. Owned: registerSelf and unregisterSelf delete what it points to.
    // A raw pointer on purpose: nothing may be released at process exit, when the virtual
    // machine may already be gone.
    static TarveloLibraryImpl* SINGLETON;

    TarveloLibraryImpl(JNIEnv* env, jobject object);
    ~TarveloLibraryImpl() override;

    // The Java object's answer for `name` (UTF-8; modified UTF-8 reads too), on the calling
    // thread; 0 when the lookup method is unknown, the thread has no environment or an
    // exception is pending.
    jlong findExportedMethodAddress(const char* name);

private:
    jmethodID m_findMethodId;
};

// For native code: the registered object's answer for `name`, or 0 with nothing registered.
extern "C" JNIEXPORT jlong TARVELO_NATIVE_ENTRY findExportedMethodAddress(const char* name);

#endif

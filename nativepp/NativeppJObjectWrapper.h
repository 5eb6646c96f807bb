#ifndef NATIVEPP_NATIVEPPJOBJECTWRAPPER_H
#define NATIVEPP_NATIVEPPJOBJECTWRAPPER_H

#include <jni.h>

#include "nativepp/NativeppExport.h"

namespace nativepp {

/// Owns exactly one JNI reference, local or global, and releases it when destroyed; detach()
/// hands it to the caller instead. Threads: as its subclass says (a local reference belongs
/// to one thread and call). Throws: the mapped proxy of a pending Java exception after the
/// JNI call that copies a reference, and the mapped "java/lang/NullPointerException" from
/// checkNotNull().
class NATIVEPP_EXPORT NativeppJObjectWrapper {
public:
    /// An empty holder of a global (global nonzero) or local reference.
    explicit NativeppJObjectWrapper(unsigned char global);
    /// Holds obj, or with copy a new reference to it (global or local as global says); with
    /// deleteSource the local reference obj is deleted once copied, so the holder takes it over.
    /// Without copy obj itself is owned.
    NativeppJObjectWrapper(jobject obj, unsigned char global, unsigned char copy, unsigned char deleteSource,
                           JNIEnv* env);
    virtual ~NativeppJObjectWrapper();

    NativeppJObjectWrapper(const NativeppJObjectWrapper&) = delete;
    NativeppJObjectWrapper& operator=(const NativeppJObjectWrapper&) = delete;

    /// The reference, still owned by this holder; null when empty.
    jobject getJObject() const { return jobj; }
    /// Whether the holder is empty.
    bool isNull() const { return jobj == nullptr; }
    /// A new local reference to the same object, owned by the caller.
    jobject getJObjectLocalCopy(JNIEnv* env);
    /// Raises the mapped java.lang.NullPointerException when the holder is empty.
    void checkNotNull();
    /// Hands the reference to the caller, who must delete it; the holder is left empty.
    jobject detach();

protected:
    /// Takes over other's reference; other is left empty.
    NativeppJObjectWrapper(NativeppJObjectWrapper&& other) noexcept;

    /// Replaces the held reference as the constructor with the same arguments makes it.
    void setJObjectInternal(jobject obj, unsigned char global, unsigned char copy, unsigned char deleteSource,
                            JNIEnv* env);
    /// The environment that releases a local reference.
    void setEnv(JNIEnv* holderEnv) { env = holderEnv; }

private:
    jobject jobj;
    unsigned char global;
    JNIEnv* env;
};

}  // namespace nativepp

#endif

#ifndef NATIVEPP_NATIVEPPJCLASSLOCAL_H
#define NATIVEPP_NATIVEPPJCLASSLOCAL_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectLocal.h"

namespace nativepp {

/// Owns one JNI local reference to a class, deleted when the holder is destroyed.
/// Threads: only the thread, and the native call, that made it. Throws: the mapped proxy of
/// a Java exception from NewLocalRef.
class NATIVEPP_EXPORT NativeppJClassLocal : public NativeppJObjectLocal {
public:
    NativeppJClassLocal();
    /// Adopts cls and releases it later with env.
    NativeppJClassLocal(jclass cls, JNIEnv* env);
    /// Exists only to fail, as for NativeppJObjectLocal.
    NativeppJClassLocal(const NativeppJClassLocal& other);
    /// Takes over other's reference; other is left empty.
    NativeppJClassLocal(NativeppJClassLocal&& other) noexcept;
    ~NativeppJClassLocal() override;

    /// The class reference, owned by this holder.
    jclass getJClass() const { return static_cast<jclass>(getJObject()); }
};

}  // namespace nativepp

#endif

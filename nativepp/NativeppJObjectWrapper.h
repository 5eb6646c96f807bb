#ifndef NATIVEPP_NATIVEPPJOBJECTWRAPPER_H
#define NATIVEPP_NATIVEPPJOBJECTWRAPPER_H

#include <jni.h>

#include "nativepp/NativeppExport.h"

namespace nativepp {

// Owns exactly one JNI reference, local or global, and releases it when destroyed; detach()
// hands it to the caller instead. Threads: as its subclass says (a local reference belongs
// to one thread and call). Throws: the mapped proxy of a pending Java exception after the
// JNI call that copies a reference, and the mapped "java/lang/NullPointerException" from
// checkNotNull().
class NATIVEPP_EXPORT NativeppJObjectWrapper {
public:
    explicit NativeppJObjectWrapper(unsigned char global);
    NativeppJObjectWrapper(jobject obj, unsigned char global, unsigned char copy, unsigned char deleteSource,
                           JNIEnv* env);
    virtual ~NativeppJObjectWrapper();

    NativeppJObjectWrapper(const NativeppJObjectWrapper&) = delete;
    NativeppJObjectWrapper& operator=(const NativeppJObjectWrapper&) = delete;

    jobject getJObject() const { return jobj; }
    bool isNull() const { return jobj == nullptr; }
    jobject getJObjectLocalCopy(JNIEnv* env);
    void checkNotNull();
    jobject detach();

protected:
    // Takes over other's reference; other is left empty.
    NativeppJObjectWrapper(NativeppJObjectWrapper&& other) noexcept;

    void setJObjectInternal(jobject obj, unsigned char global, unsigned char copy, unsigned char deleteSource,
                            JNIEnv* env);
    void setEnv(JNIEnv* holderEnv) { env = holderEnv; }

private:
    jobject jobj;
    unsigned char global;
    JNIEnv* env;
};

}  // namespace nativepp

#endif

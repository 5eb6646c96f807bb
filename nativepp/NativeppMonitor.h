#ifndef NATIVEPP_NATIVEPPMONITOR_H
#define NATIVEPP_NATIVEPPMONITOR_H

#include <jni.h>

#include <atomic>

#include "nativepp/NativeppClass.h"
#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectGlobal.h"
#include "nativepp/NativeppSimpleLock.h"

namespace nativepp {

// A proxy's private Java monitor: a plain java.lang.Object made on first use.
class NATIVEPP_EXPORT NativeppMonitor {
public:
    NativeppMonitor();
    virtual ~NativeppMonitor();

    NativeppMonitor(const NativeppMonitor&) = delete;
    NativeppMonitor& operator=(const NativeppMonitor&) = delete;

    NativeppJObjectGlobal* newJavaMonitor(JNIEnv* env);
    NativeppJObjectGlobal* getJavaMonitor(JNIEnv* env);
    jobject getJObject(JNIEnv* env);

    static NativeppClass monitorClass;

private:
    std::atomic<NativeppJObjectGlobal*> javaMonitor;
    NativeppSimpleLock lock;
};

}  // namespace nativepp

#endif

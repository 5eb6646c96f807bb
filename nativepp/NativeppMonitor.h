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
// Owns: a global reference to that object. Threads: any attached thread; the first creation
// is guarded by a NativeppSimpleLock, so racing threads share one object. Throws: the
// mapped proxy of a Java exception from creating the object.
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

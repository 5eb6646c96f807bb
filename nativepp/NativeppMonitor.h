#ifndef NATIVEPP_NATIVEPPMONITOR_H
#define NATIVEPP_NATIVEPPMONITOR_H

#include <jni.h>

#include <atomic>
#include <mutex>

#include "nativepp/NativeppClass.h"
#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectGlobal.h"

namespace nativepp {

/// A proxy's private lock. Java code never sees it, so it is a native recursive lock, which
/// costs no JNI call and no Java object; NativeppSynchronized holds it for a scope. For code
/// that needs a Java monitor of its own, getJavaMonitor() makes a plain java.lang.Object on
/// first use: a separate monitor, not the native lock.
/// Owns: the native lock and the global reference to that object. Threads: any thread for the
/// lock, an attached one for the Java object: racing first uses may each make one, but only
/// the first published is kept. Throws: lock() nothing; the Java object's creation the
/// mapped proxy of its Java exception.
class NATIVEPP_EXPORT NativeppMonitor {
public:
    NativeppMonitor();
    virtual ~NativeppMonitor();

    NativeppMonitor(const NativeppMonitor&) = delete;
    NativeppMonitor& operator=(const NativeppMonitor&) = delete;

    /// Recursive: a thread that holds it may take it again, and must release it as often.
    void lock() { nativeLock.lock(); }
    /// Takes the lock when free; whether it did.
    bool try_lock() { return nativeLock.try_lock(); }
    /// Releases the lock once.
    void unlock() { nativeLock.unlock(); }

    /// A new java.lang.Object, owned by the caller.
    NativeppJObjectGlobal* newJavaMonitor(JNIEnv* env);
    /// The Java monitor object, made on first use; owned by this monitor.
    NativeppJObjectGlobal* getJavaMonitor(JNIEnv* env);
    /// The Java monitor object's reference, owned by this monitor.
    jobject getJObject(JNIEnv* env);

    /// The descriptor of java.lang.Object, the Java monitor's class.
    static NativeppClass monitorClass;

private:
    std::recursive_mutex nativeLock;
    std::atomic<NativeppJObjectGlobal*> javaMonitor;
};

}  // namespace nativepp

#endif

#ifndef NATIVEPP_NATIVEPPOBJECTMGR_H
#define NATIVEPP_NATIVEPPOBJECTMGR_H

#include <jni.h>

#include <atomic>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectGlobal.h"
#include "nativepp/NativeppJObjectLocal.h"

namespace nativepp {

class NativeppMonitor;
class NativeppObject;
class NativeppObjectClass;

// Keeps a proxy's Java reference: decides where it lives and whether it may change.
class NATIVEPP_EXPORT NativeppObjectMgr {
public:
    explicit NativeppObjectMgr(NativeppObject* object);
    virtual ~NativeppObjectMgr();

    NativeppObjectMgr(const NativeppObjectMgr&) = delete;
    NativeppObjectMgr& operator=(const NativeppObjectMgr&) = delete;

    virtual bool isReference() = 0;
    // The manager's own global reference, read without the monitor; null when empty.
    virtual jobject getJObject(JNIEnv* env);
    // A new local reference owned by the caller, read under the proxy's monitor.
    virtual jobject getJObjectLocal(JNIEnv* env);
    virtual NativeppJObjectLocal getJObjectLocalWrapper(JNIEnv* env);
    virtual void setJObject(const NativeppJObjectWrapper& w, unsigned char propagate, JNIEnv* env);
    // Binds w without locking: same object keeps the reference, wrong class raises.
    virtual void setJObjectMonoThread(const NativeppJObjectWrapper& w, unsigned char propagate, JNIEnv* env);
    virtual void setMustBeDeleted(unsigned char mustBeDeleted) = 0;
    virtual bool getMustBeDeleted() = 0;

    NativeppObjectClass* getObjectClass();
    NativeppMonitor* getMonitor();

protected:
    NativeppObject* object;
    std::atomic<NativeppJObjectGlobal*> jobjGlobal;
};

}  // namespace nativepp

#endif

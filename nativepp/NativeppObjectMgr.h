#ifndef NATIVEPP_NATIVEPPOBJECTMGR_H
#define NATIVEPP_NATIVEPPOBJECTMGR_H

#include <jni.h>

#include <memory>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectGlobal.h"
#include "nativepp/NativeppJObjectGlobalSlot.h"
#include "nativepp/NativeppJObjectLocal.h"
#include "nativepp/NativeppRefusal.h"
#include "nativepp/NativeppSharedJObjectGlobal.h"

namespace nativepp {

class NativeppMonitor;
class NativeppObject;
class NativeppObjectClass;

/// Keeps a proxy's Java reference: decides where it lives and whether it may change.
/// Owns: the proxy's global reference, as a counted share that readers keep across their JNI
/// call and that copies of the proxy share. Threads: any attached thread; re-pointing is
/// serialised on the proxy's lock, and what a binding refuses is raised after its release.
/// Throws: the mapped "java/lang/ClassCastException" for an object of another class, the
/// mapped proxy of a pending Java exception.
class NATIVEPP_EXPORT NativeppObjectMgr {
public:
    /// A manager of object's reference, empty until bound.
    explicit NativeppObjectMgr(NativeppObject* object);
    virtual ~NativeppObjectMgr();

    NativeppObjectMgr(const NativeppObjectMgr&) = delete;
    NativeppObjectMgr& operator=(const NativeppObjectMgr&) = delete;

    /// Whether the proxy may be re-pointed (a reference) or keeps its object for life (an
    /// instance).
    virtual bool isReference() = 0;
    /// A share of the manager's own global reference, read without the lock and without a
    /// JNI call; empty when the proxy is.
    virtual NativeppSharedJObjectGlobal getJObject(JNIEnv* env);
    /// A new local reference owned by the caller, read under the proxy's lock.
    virtual jobject getJObjectLocal(JNIEnv* env);
    /// As getJObjectLocal, in a holder that deletes it.
    virtual NativeppJObjectLocal getJObjectLocalWrapper(JNIEnv* env);
    /// Binds the proxy to w's object under the proxy's lock, raising what setJObjectMonoThread
    /// refuses; with propagate set, a proxy that stands for Java storage stores it there too.
    virtual void setJObject(const NativeppJObjectWrapper& w, unsigned char propagate, JNIEnv* env);
    /// Binds w without the lock: same object keeps the reference, wrong class leaves the
    /// proxy empty and is returned for the caller to raise.
    [[nodiscard]] virtual NativeppRefusal setJObjectMonoThread(const NativeppJObjectWrapper& w,
                                                               unsigned char propagate, JNIEnv* env);
    /// Binds the object of another proxy's share by sharing its holder: no new global
    /// reference, and no class check when that proxy is of this proxy's class.
    void setShared(const NativeppSharedJObjectGlobal& share, NativeppObjectClass* shareClass, unsigned char propagate,
                   JNIEnv* env);
    /// As setJObjectMonoThread, for a share.
    [[nodiscard]] virtual NativeppRefusal setSharedMonoThread(const NativeppSharedJObjectGlobal& share,
                                                              NativeppObjectClass* shareClass, unsigned char propagate,
                                                              JNIEnv* env);
    /// Whether a proxy handed over by pointer is deleted by the proxy that takes it over.
    ///@{
    virtual void setMustBeDeleted(unsigned char mustBeDeleted) = 0;
    virtual bool getMustBeDeleted() = 0;
    ///@}
    /// Looks up, before the proxy's lock is taken, what a binding may need that can run Java
    /// code on first use (classes, member IDs): no lock is held across such a lookup, whose
    /// static initialiser may come back to this proxy from another thread. Cheap once done.
    virtual void resolve(JNIEnv* env);
    /// resolve(), and what a store needs besides.
    virtual void resolveForStore(JNIEnv* env);

    /// The class descriptor of the proxy.
    NativeppObjectClass* getObjectClass();
    /// The proxy's private lock.
    NativeppMonitor* getMonitor();

protected:
    /// The proxy whose reference this manager keeps.
    NativeppObject* object;
    /// A reader's share keeps the old reference alive while a re-point on another thread
    /// replaces it.
    NativeppJObjectGlobalSlot jobjGlobal;

private:
    /// The refusal of w when it is not null and not of the proxy's class.
    NativeppRefusal classRefusalOf(const NativeppJObjectWrapper& w, JNIEnv* env);
};

}  // namespace nativepp

#endif

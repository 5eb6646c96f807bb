#ifndef NATIVEPP_NATIVEPPOBJECT_H
#define NATIVEPP_NATIVEPPOBJECT_H

#include <jni.h>

#include <atomic>
#include <memory>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectLocal.h"
#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppObjectMgr.h"
#include "nativepp/NativeppSharedJObjectGlobal.h"
#include "nativepp/NativeppValue.h"

namespace nativepp {

class NativeppMonitor;
class NativeppObjectClass;
class NativeppObjectMgr;

/// The binding part of every proxy: delegates keeping its Java reference to a manager and
/// serialises changes to it on a private native lock.
class NATIVEPP_EXPORT NativeppObject : public NativeppValue {
public:
    NativeppObject();
    ~NativeppObject() override;

    NativeppObject(const NativeppObject&) = delete;
    NativeppObject& operator=(const NativeppObject&) = delete;

    void nativeppInitFieldNamedStatic(int index, const char* name, NativeppObjectClass* cls) override;
    void nativeppInitFieldNamed(int index, const char* name, NativeppObjectClass* cls, NativeppObject* owner) override;
    void nativeppInitArrayElement(int index, NativeppObject* array) override;

    /// Instance mode: the proxy keeps the Java object it was created for. The jobject forms
    /// here and below take a local reference over (it is deleted before they return); a
    /// global or weak reference stays with its owner.
    ///@{
    virtual void nativeppInitObject(jobject obj);
    virtual void nativeppInitObject(const NativeppJObjectLocal& obj);
    virtual void nativeppInitObject(const NativeppJObjectLocal& obj, JNIEnv* env);
    ///@}

    /// Reference mode: the proxy may be re-pointed and may be empty.
    ///@{
    virtual void nativeppInitObjectReference();
    virtual void nativeppInitObjectReference(jobject obj);
    virtual void nativeppInitObjectReference(const NativeppJObjectLocal& obj);
    virtual void nativeppInitObjectReference(const NativeppJObjectLocal& obj, JNIEnv* env);
    ///@}
    /// A proxy handed over by pointer may be consumed: it is deleted when its manager says
    /// must-be-deleted (every instance proxy, and a reference proxy after
    /// nativeppSetMustBeDeleted(1)), so such a pointer must come from new and not be used
    /// afterwards. A proxy handed over by reference is never consumed.
    virtual void nativeppInitObjectReference(NativeppObject* other);
    /// Points this reference proxy at other's Java object; other stays with its caller.
    void nativeppInitObjectReference(const NativeppObject& other);

    /// Binds this proxy as the class$ proxy of cls: its value is cls's class object, and it cannot
    /// be assigned.
    virtual void nativeppInitFieldClassSpecial(NativeppObjectClass* cls);

    /// The class descriptor of the proxy's class.
    virtual NativeppObjectClass* nativeppGetClass() = 0;

    /// Re-points this proxy at the object obj refers to; a local reference is taken over, a global
    /// or weak one stays with its owner. A proxy that stands for Java storage (a field, an element)
    /// stores the object there.
    ///@{
    virtual void nativeppAssign(jobject obj);
    virtual void nativeppAssign(const NativeppJObjectLocal& obj);
    virtual void nativeppAssign(const NativeppJObjectLocal& obj, JNIEnv* env);
    ///@}
    /// Consumes other as nativeppInitObjectReference(NativeppObject*) does.
    virtual void nativeppAssign(NativeppObject* other);
    /// Re-points this proxy at other's Java object; other stays with its caller.
    void nativeppAssign(const NativeppObject& other);

    /// The manager; an uninitialised proxy gets an empty reference manager on first use.
    NativeppObjectMgr* nativeppGetObjectMgr(JNIEnv* env) {
        NativeppObjectMgr* mgr = objectMgr.load(std::memory_order_acquire);
        return mgr != nullptr ? mgr : installDefaultMgr(env);
    }
    /// Installs mgr as the proxy's first manager, which the proxy then owns; a proxy that has
    /// one already raises NativeppException, and mgr stays with the caller.
    void nativeppSetObjectMgr(NativeppObjectMgr* mgr);
    /// The private lock, made on first use: most proxies never need it.
    NativeppMonitor* nativeppGetMonitor();

    /// What a JNI call on this proxy's object is passed: keep the share until the call returns.
    NativeppSharedJObjectGlobal nativeppGetJObjectGlobal(JNIEnv* env) { return nativeppGetObjectMgr(env)->getJObject(env); }
    /// As above, for a proxy that is only read (an argument): reading may still give an
    /// uninitialised proxy its empty manager.
    NativeppSharedJObjectGlobal nativeppGetJObjectGlobal(JNIEnv* env) const {
        return const_cast<NativeppObject*>(this)->nativeppGetJObjectGlobal(env);
    }
    /// A new local reference to the proxy's Java object, owned by the caller; null for an empty
    /// proxy.
    jobject nativeppGetJObjectLocal(JNIEnv* env);
    /// As nativeppGetJObjectLocal, in a holder that deletes it.
    NativeppJObjectLocal nativeppGetJObjectLocalWrapper(JNIEnv* env);

    /// Comparisons take nothing over: other and obj stay with the caller.
    ///@{
    bool nativeppEqualRef(NativeppObject* other);
    bool nativeppEqualRef(jobject obj);
    bool nativeppNotEqualRef(NativeppObject* other);
    bool nativeppNotEqualRef(jobject obj);
    ///@}
    /// Java's instanceof on a reference proxy: whether its object is an instance of cls; false
    /// for an empty proxy. An instance proxy raises NativeppException "Object is not a reference".
    ///@{
    bool instanceof(jclass cls, JNIEnv* env);
    bool instanceof(jclass cls);
    ///@}

    /// Marks a reference proxy to be deleted by the proxy that takes it over by pointer (T(T*),
    /// operator=(T*)); an instance proxy always is.
    void nativeppSetMustBeDeleted(unsigned char mustBeDeleted, JNIEnv* env);
    /// Whether a proxy that takes this one over by pointer deletes it.
    bool nativeppMustBeDeleted(JNIEnv* env);

    /// The calling thread's environment, attaching the thread when needed.
    static JNIEnv* nativeppGetJNIEnv() { return NativeppJVM::getJNIEnv(); }

private:
    NativeppObjectMgr* installDefaultMgr(JNIEnv* env);

    /// Installs a new manager, which is deleted again when installing it fails.
    template <typename Mgr>
    Mgr* install(Mgr* mgr);

    /// Mutable: reading a const proxy (a copy's source) may install its first manager.
    mutable std::atomic<NativeppObjectMgr*> objectMgr;
    /// Deleted after the manager, in the destructor.
    std::atomic<NativeppMonitor*> monitor;
};

}  // namespace nativepp

#endif

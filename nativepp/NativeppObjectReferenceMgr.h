#ifndef NATIVEPP_NATIVEPPOBJECTREFERENCEMGR_H
#define NATIVEPP_NATIVEPPOBJECTREFERENCEMGR_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppObjectMgr.h"

namespace nativepp {

/// A re-assignable reference: may be re-pointed, compared and tested, and may be empty.
/// Threads and throws: as NativeppObjectMgr; cast() raises NativeppException "Object is not
/// a reference" for the manager of an instance proxy.
class NATIVEPP_EXPORT NativeppObjectReferenceMgr : public NativeppObjectMgr {
public:
    /// A manager of object's reference, empty until bound.
    explicit NativeppObjectReferenceMgr(NativeppObject* object);
    ~NativeppObjectReferenceMgr() override;

    /// A reference: true.
    bool isReference() override { return true; }
    /// Whether a proxy handed over by pointer is deleted by the proxy that takes it over; set for
    /// heap proxies.
    ///@{
    void setMustBeDeleted(unsigned char value) override { mustBeDeleted = value; }
    bool getMustBeDeleted() override { return mustBeDeleted != 0; }
    ///@}

    /// Points at other's Java object; consumes other when its manager says must-be-deleted.
    virtual void setObjectReferenced(NativeppObject* other, JNIEnv* env);
    /// As setObjectReferenced(other, env); with propagate set, a proxy that stands for Java storage
    /// stores the object there too.
    virtual void setObjectReferenced(NativeppObject* other, unsigned char propagate, JNIEnv* env);
    /// Points at other's Java object; other stays with its caller.
    void setObjectReferenced(const NativeppObject& other, unsigned char propagate, JNIEnv* env);

    /// Whether obj or other refers to the same Java object as this proxy (IsSameObject); takes
    /// nothing over.
    ///@{
    bool refEqual(const NativeppJObjectLocal& obj, JNIEnv* env);
    bool refEqual(NativeppObject* other, JNIEnv* env);
    ///@}
    /// Only looks at obj: it stays with the caller, whatever kind of reference it is.
    bool refEqual(jobject obj, JNIEnv* env);
    /// The negation of refEqual.
    ///@{
    bool refNotEqual(NativeppObject* other, JNIEnv* env);
    bool refNotEqual(jobject obj, JNIEnv* env);
    ///@}
    /// Whether the proxy's object is an instance of cls; false for an empty proxy.
    bool instanceof(jclass cls, JNIEnv* env);

    /// mgr as a reference manager; raises "Object is not a reference" otherwise.
    static NativeppObjectReferenceMgr* cast(NativeppObjectMgr* mgr);

private:
    unsigned char mustBeDeleted;
};

}  // namespace nativepp

#endif

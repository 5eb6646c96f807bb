#ifndef NATIVEPP_NATIVEPPOBJECTREFERENCEMGR_H
#define NATIVEPP_NATIVEPPOBJECTREFERENCEMGR_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppObjectMgr.h"

namespace nativepp {

// A re-assignable reference: may be re-pointed, compared and tested, and may be empty.
// Threads and throws: as NativeppObjectMgr; cast() raises NativeppException "Object is not
// a reference" for the manager of an instance proxy.
class NATIVEPP_EXPORT NativeppObjectReferenceMgr : public NativeppObjectMgr {
public:
    explicit NativeppObjectReferenceMgr(NativeppObject* object);
    ~NativeppObjectReferenceMgr() override;

    bool isReference() override { return true; }
    void setMustBeDeleted(unsigned char value) override { mustBeDeleted = value; }
    bool getMustBeDeleted() override { return mustBeDeleted != 0; }

    // Points at other's Java object; consumes other when its manager says must-be-deleted.
    virtual void setObjectReferenced(NativeppObject* other, JNIEnv* env);
    virtual void setObjectReferenced(NativeppObject* other, unsigned char propagate, JNIEnv* env);
    // Points at other's Java object; other stays with its caller.
    void setObjectReferenced(const NativeppObject& other, unsigned char propagate, JNIEnv* env);

    bool refEqual(const NativeppJObjectLocal& obj, JNIEnv* env);
    bool refEqual(NativeppObject* other, JNIEnv* env);
    // Only looks at obj: it stays with the caller, whatever kind of reference it is.
    bool refEqual(jobject obj, JNIEnv* env);
    bool refNotEqual(NativeppObject* other, JNIEnv* env);
    bool refNotEqual(jobject obj, JNIEnv* env);
    bool instanceof(jclass cls, JNIEnv* env);

    // mgr as a reference manager; raises "Object is not a reference" otherwise.
    static NativeppObjectReferenceMgr* cast(NativeppObjectMgr* mgr);

private:
    unsigned char mustBeDeleted;
};

}  // namespace nativepp

#endif

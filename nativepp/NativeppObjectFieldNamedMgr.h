#ifndef NATIVEPP_NATIVEPPOBJECTFIELDNAMEDMGR_H
#define NATIVEPP_NATIVEPPOBJECTFIELDNAMEDMGR_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppObjectFieldMgr.h"

namespace nativepp {

/// A proxy standing for the object field name of owner's Java object, or for the static
/// field name of ownerClass when owner is null. The field's type is the proxy's own class.
/// name is not copied: it must outlive the manager.
/// Throws: the mapped NullPointerException for an empty owner, the mapped
/// ClassCastException for a value of another class (the field is left unchanged).
class NATIVEPP_EXPORT NativeppObjectFieldNamedMgr : public NativeppObjectFieldMgr {
public:
    /// The manager of object, which stands for field name (number index of ownerClass) of owner's
    /// Java object, or the static field when owner is null.
    NativeppObjectFieldNamedMgr(int index, NativeppObject* object, const char* name, NativeppObjectClass* ownerClass,
                                NativeppObject* owner);
    ~NativeppObjectFieldNamedMgr() override;

    NativeppJObjectLocal getJObjectField(NativeppRefusal& refused, JNIEnv* env) override;
    NativeppRefusal setJObjectField(const NativeppJObjectWrapper& value, JNIEnv* env) override;
    void resolve(JNIEnv* env) override;
    /// Also learns whether the field is final, which runs Java code once.
    void resolveForStore(JNIEnv* env) override;

private:
    const char* name;
    NativeppObjectClass* ownerClass;
};

}  // namespace nativepp

#endif

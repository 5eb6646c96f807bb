#ifndef NATIVEPP_NATIVEPPOBJECTINSTANCEMGR_H
#define NATIVEPP_NATIVEPPOBJECTINSTANCEMGR_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppObjectMgr.h"

namespace nativepp {

/// The proxy owns its Java object for life; it cannot be re-pointed or compared.
/// Threads and throws: as NativeppObjectMgr; NativeppException "Error creating object,
/// reference is null" when bound to null.
class NATIVEPP_EXPORT NativeppObjectInstanceMgr : public NativeppObjectMgr {
public:
    /// The manager of object, bound for life to the object of obj (a new global reference; obj
    /// keeps its own).
    NativeppObjectInstanceMgr(NativeppObject* object, const NativeppJObjectLocal& obj, JNIEnv* env);
    ~NativeppObjectInstanceMgr() override;

    /// An instance is not a reference: false.
    bool isReference() override { return false; }
    /// An instance is always deleted when handed over: ignored.
    void setMustBeDeleted(unsigned char) override {}
    /// An instance proxy handed to another proxy by pointer is always consumed.
    bool getMustBeDeleted() override { return true; }
};

}  // namespace nativepp

#endif

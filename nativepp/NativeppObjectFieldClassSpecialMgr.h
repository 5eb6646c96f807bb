#ifndef NATIVEPP_NATIVEPPOBJECTFIELDCLASSSPECIALMGR_H
#define NATIVEPP_NATIVEPPOBJECTFIELDCLASSSPECIALMGR_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppObjectFieldMgr.h"

namespace nativepp {

/// The manager of a class$ proxy: its value is always the Java class of specialClass, and
/// assigning to it is refused.
/// Throws: NativeppException "Especial static field class$ is not modifiable" on assignment.
class NATIVEPP_EXPORT NativeppObjectFieldClassSpecialMgr : public NativeppObjectFieldMgr {
public:
    /// The manager of object, the class$ proxy of specialClass.
    NativeppObjectFieldClassSpecialMgr(NativeppObject* object, NativeppObjectClass* specialClass);
    ~NativeppObjectFieldClassSpecialMgr() override;

    /// A new local reference to the class; the descriptor keeps its own global one.
    NativeppJObjectLocal getJObjectField(NativeppRefusal& refused, JNIEnv* env) override;
    NativeppRefusal setJObjectField(const NativeppJObjectWrapper& value, JNIEnv* env) override;
    void resolve(JNIEnv* env) override;

private:
    NativeppObjectClass* specialClass;
};

}  // namespace nativepp

#endif

#ifndef NATIVEPP_NATIVEPPOBJECTARRAYELEMENTMGR_H
#define NATIVEPP_NATIVEPPOBJECTARRAYELEMENTMGR_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppObjectFieldMgr.h"

namespace nativepp {

/// A proxy standing for element index of the Java array of the array proxy array: every use
/// reads the element, assigning stores it. The virtual machine checks what is stored (its
/// ArrayStoreException arrives in native form).
/// Threads: any attached thread. Throws: the mapped NullPointerException for an empty
/// array proxy, the mapped proxy of the virtual machine's exception.
class NATIVEPP_EXPORT NativeppObjectArrayElementMgr : public NativeppObjectFieldMgr {
public:
    /// The manager of object, which stands for element index of array's Java array.
    NativeppObjectArrayElementMgr(int index, NativeppObject* object, NativeppObject* array);
    ~NativeppObjectArrayElementMgr() override;

    NativeppJObjectLocal getJObjectField(NativeppRefusal& refused, JNIEnv* env) override;
    NativeppRefusal setJObjectField(const NativeppJObjectWrapper& value, JNIEnv* env) override;
};

}  // namespace nativepp

#endif

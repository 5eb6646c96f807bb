#ifndef NATIVEPP_NATIVEPPVALUE_H
#define NATIVEPP_NATIVEPPVALUE_H

#include "nativepp/NativeppExport.h"


namespace nativepp {

class NativeppObject;
class NativeppObjectClass;

/// A native value bound to Java storage: a proxy, a field or an array element.
class NATIVEPP_EXPORT NativeppValue {
public:
    virtual ~NativeppValue();

    /// Binds the value to static field name, number index of ownerClass.
    virtual void nativeppInitFieldNamedStatic(int index, const char* name, NativeppObjectClass* ownerClass) = 0;
    /// Binds the value to field name, number index of ownerClass, of owner's Java object.
    virtual void nativeppInitFieldNamed(int index, const char* name, NativeppObjectClass* ownerClass,
                                        NativeppObject* owner) = 0;
    /// Binds the value to element index of the array proxy array.
    virtual void nativeppInitArrayElement(int index, NativeppObject* array) = 0;
};

}  // namespace nativepp

#endif

#ifndef NATIVEPP_NATIVEPPVALUE_H
#define NATIVEPP_NATIVEPPVALUE_H

#include "nativepp/NativeppExport.h"


namespace nativepp {

class NativeppObject;
class NativeppObjectClass;

// A native value bound to Java storage: a proxy, a field or an array element.
class NATIVEPP_EXPORT NativeppValue {
public:
    virtual ~NativeppValue();

    virtual void nativeppInitFieldNamedStatic(int index, const char* name, NativeppObjectClass* ownerClass) = 0;
    virtual void nativeppInitFieldNamed(int index, const char* name, NativeppObjectClass* ownerClass,
                                        NativeppObject* owner) = 0;
    virtual void nativeppInitArrayElement(int index, NativeppObject* array) = 0;
};

}  // namespace nativepp

#endif

#ifndef NATIVEPP_NATIVEPPTOBJECTCLASS_H
#define NATIVEPP_NATIVEPPTOBJECTCLASS_H

#include "nativepp/NativeppNewInstanceParamDiscriminator.h"
#include "nativepp/NativeppObject.h"
#include "nativepp/NativeppObjectClass.h"

namespace nativepp {

/// The descriptor of proxy class T: creates and throws proxies of T for the registry.
template <typename T>
class NativeppTObjectClass : public NativeppObjectClass {
public:
    /// The base's constructor (class name, signature, table sizes) and its other overloads.
    ///@{
    using NativeppObjectClass::NativeppObjectClass;
    using NativeppObjectClass::newObjectInstance;
    using NativeppObjectClass::throwAsNativeException;
    ///@}

    ~NativeppTObjectClass() override {}

    /// A heap proxy bound to obj as an instance; the caller owns it.
    NativeppObject* newObjectInstance(const NativeppJObjectLocal& obj) override { return new T(obj, _pd); }

    /// Throws a reference proxy of T that holds its own global reference to obj.
    void throwAsNativeException(const NativeppJObjectLocal& obj) override { throw T(obj); }
    void throwAsNativeExceptionAdopting(jobject obj) override { throw T(obj); }
};

}  // namespace nativepp

#endif

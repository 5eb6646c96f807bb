#ifndef NATIVEPP_NATIVEPPARRAYLENGTHFIELD_H
#define NATIVEPP_NATIVEPPARRAYLENGTHFIELD_H

#include "nativepp/NativeppExport.h"

namespace nativepp {

class NativeppObject;

/// The length member of an array proxy: the live length of its current Java array, read
/// anew on every use. Throws: the mapped NullPointerException for a proxy without an array.
/// Owns nothing. Threads: any attached thread.
class NATIVEPP_EXPORT NativeppArrayLengthField {
public:
    /// A length member not bound to its proxy yet.
    NativeppArrayLengthField();

    /// Binds the member to the array proxy that holds it.
    void nativeppInitField(NativeppObject* arrayObject);
    /// The current length of the proxy's Java array, read in Java on every call.
    ///@{
    int get();
    operator int();
    ///@}

private:
    NativeppObject* arrayObject;
};

}  // namespace nativepp

#endif

#ifndef NATIVEPP_NATIVEPPBOOLEAN_H
#define NATIVEPP_NATIVEPPBOOLEAN_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppPrimitive.h"

namespace nativepp {

/// A Java boolean ("Z") as unsigned char.
class NATIVEPP_EXPORT NativeppBoolean : public NativeppPrimitive {
    NATIVEPP_PRIMITIVE_MEMBERS(NativeppBoolean, unsigned char)
};

}  // namespace nativepp

#endif

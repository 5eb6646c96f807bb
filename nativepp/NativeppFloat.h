#ifndef NATIVEPP_NATIVEPPFLOAT_H
#define NATIVEPP_NATIVEPPFLOAT_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppPrimitive.h"

namespace nativepp {

/// A Java float ("F") as float.
class NATIVEPP_EXPORT NativeppFloat : public NativeppPrimitive {
    NATIVEPP_PRIMITIVE_MEMBERS(NativeppFloat, float)
};

}  // namespace nativepp

#endif

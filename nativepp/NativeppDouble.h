#ifndef NATIVEPP_NATIVEPPDOUBLE_H
#define NATIVEPP_NATIVEPPDOUBLE_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppPrimitive.h"

namespace nativepp {

/// A Java double ("D") as double.
class NATIVEPP_EXPORT NativeppDouble : public NativeppPrimitive {
    NATIVEPP_PRIMITIVE_MEMBERS(NativeppDouble, double)
};

}  // namespace nativepp

#endif

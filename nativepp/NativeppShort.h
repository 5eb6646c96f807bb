#ifndef NATIVEPP_NATIVEPPSHORT_H
#define NATIVEPP_NATIVEPPSHORT_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppPrimitive.h"

namespace nativepp {

/// A Java short ("S") as short.
class NATIVEPP_EXPORT NativeppShort : public NativeppPrimitive {
    NATIVEPP_PRIMITIVE_MEMBERS(NativeppShort, short)
};

}  // namespace nativepp

#endif

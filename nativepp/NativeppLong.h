#ifndef NATIVEPP_NATIVEPPLONG_H
#define NATIVEPP_NATIVEPPLONG_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppPrimitive.h"

namespace nativepp {

/// A Java long ("J") as long long.
class NATIVEPP_EXPORT NativeppLong : public NativeppPrimitive {
    NATIVEPP_PRIMITIVE_MEMBERS(NativeppLong, long long)
};

}  // namespace nativepp

#endif

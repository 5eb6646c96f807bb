#ifndef NATIVEPP_NATIVEPPINT_H
#define NATIVEPP_NATIVEPPINT_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppPrimitive.h"

namespace nativepp {

/// A Java int ("I") as int.
class NATIVEPP_EXPORT NativeppInt : public NativeppPrimitive {
    NATIVEPP_PRIMITIVE_MEMBERS(NativeppInt, int)
};

}  // namespace nativepp

#endif

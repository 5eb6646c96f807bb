#ifndef NATIVEPP_NATIVEPPBYTE_H
#define NATIVEPP_NATIVEPPBYTE_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppPrimitive.h"

namespace nativepp {

/// A Java byte ("B") as signed char.
class NATIVEPP_EXPORT NativeppByte : public NativeppPrimitive {
    NATIVEPP_PRIMITIVE_MEMBERS(NativeppByte, signed char)
};

}  // namespace nativepp

#endif

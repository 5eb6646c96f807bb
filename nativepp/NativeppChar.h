#ifndef NATIVEPP_NATIVEPPCHAR_H
#define NATIVEPP_NATIVEPPCHAR_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppPrimitive.h"

namespace nativepp {

/// A Java char ("C") as unsigned short.
class NATIVEPP_EXPORT NativeppChar : public NativeppPrimitive {
    NATIVEPP_PRIMITIVE_MEMBERS(NativeppChar, unsigned short)
};

}  // namespace nativepp

#endif

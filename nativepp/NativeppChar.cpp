#include "nativepp/NativeppChar.h"

#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppPrimitiveFieldMgr.h"

namespace nativepp {

NATIVEPP_PRIMITIVE_DEFINITIONS(NativeppChar, unsigned short, Char, "char", "C")

}  // namespace nativepp

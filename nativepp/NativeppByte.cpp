#include "nativepp/NativeppByte.h"

#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppPrimitiveFieldMgr.h"

namespace nativepp {

NATIVEPP_PRIMITIVE_DEFINITIONS(NativeppByte, signed char, Byte, "byte", "B")

}  // namespace nativepp

#include "nativepp/NativeppInt.h"

#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppPrimitiveFieldMgr.h"

namespace nativepp {

NATIVEPP_PRIMITIVE_DEFINITIONS(NativeppInt, int, Int, "int", "I")

}  // namespace nativepp

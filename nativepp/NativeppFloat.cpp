#include "nativepp/NativeppFloat.h"

#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppPrimitiveFieldMgr.h"

namespace nativepp {

NATIVEPP_PRIMITIVE_DEFINITIONS(NativeppFloat, float, Float, "float", "F")

}  // namespace nativepp

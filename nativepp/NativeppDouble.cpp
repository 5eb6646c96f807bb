#include "nativepp/NativeppDouble.h"

#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppPrimitiveFieldMgr.h"

namespace nativepp {

NATIVEPP_PRIMITIVE_DEFINITIONS(NativeppDouble, double, Double, "double", "D")

}  // namespace nativepp

#include "nativepp/NativeppShort.h"

#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppPrimitiveFieldMgr.h"

namespace nativepp {

NATIVEPP_PRIMITIVE_DEFINITIONS(NativeppShort, short, Short, "short", "S")

}  // namespace nativepp

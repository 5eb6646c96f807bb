#include "nativepp/NativeppLong.h"

#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppPrimitiveFieldMgr.h"

namespace nativepp {

NATIVEPP_PRIMITIVE_DEFINITIONS(NativeppLong, long long, Long, "long", "J")

}  // namespace nativepp

#include "nativepp/NativeppBoolean.h"

#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppPrimitiveFieldMgr.h"

namespace nativepp {

NATIVEPP_PRIMITIVE_DEFINITIONS(NativeppBoolean, unsigned char, Boolean, "boolean", "Z")

}  // namespace nativepp

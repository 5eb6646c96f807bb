#include "nativepp/NativeppValue.h"

namespace nativepp {

NativeppValue::~NativeppValue() {}

}  // namespace nativepp

#include "nativepp/NativeppPrimitiveFieldMgr.h"

namespace nativepp {

NativeppPrimitiveFieldMgr::NativeppPrimitiveFieldMgr(int index, NativeppObject* owner) : owner(owner), index(index) {}

NativeppPrimitiveFieldMgr::~NativeppPrimitiveFieldMgr() {}

}  // namespace nativepp

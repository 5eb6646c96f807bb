#include "nativepp/NativeppObjectLocalReferenceMgr.h"

namespace nativepp {

NativeppObjectLocalReferenceMgr::NativeppObjectLocalReferenceMgr(NativeppObject* object)
    : NativeppObjectReferenceMgr(object) {}

NativeppObjectLocalReferenceMgr::~NativeppObjectLocalReferenceMgr() {}

}  // namespace nativepp

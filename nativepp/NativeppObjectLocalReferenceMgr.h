#ifndef NATIVEPP_NATIVEPPOBJECTLOCALREFERENCEMGR_H
#define NATIVEPP_NATIVEPPOBJECTLOCALREFERENCEMGR_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppObjectReferenceMgr.h"

namespace nativepp {

/// The manager of a stand-alone reference proxy. Threads and throws: as
/// NativeppObjectReferenceMgr.
class NATIVEPP_EXPORT NativeppObjectLocalReferenceMgr : public NativeppObjectReferenceMgr {
public:
    /// The manager of object, empty until it is bound.
    explicit NativeppObjectLocalReferenceMgr(NativeppObject* object);
    ~NativeppObjectLocalReferenceMgr() override;
};

}  // namespace nativepp

#endif

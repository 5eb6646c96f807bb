#ifndef NATIVEPP_NATIVEPPNEWINSTANCEPARAMDISCRIMINATOR_H
#define NATIVEPP_NATIVEPPNEWINSTANCEPARAMDISCRIMINATOR_H

#include "nativepp/NativeppExport.h"


namespace nativepp {

// A one-byte tag: passed by reference only to select the proxy constructors that bind
// a proxy as an instance rather than as a reference. Owns nothing, throws nothing.
class NATIVEPP_EXPORT NativeppNewInstanceParamDiscriminator {};

// The tag that the typed class descriptors pass.
NATIVEPP_EXPORT extern NativeppNewInstanceParamDiscriminator _pd;

}  // namespace nativepp

NATIVEPP_EXPORT extern nativepp::NativeppNewInstanceParamDiscriminator _nativeppNewInstanceParamDiscriminator;
NATIVEPP_EXPORT extern nativepp::NativeppNewInstanceParamDiscriminator _nativeppNewReferenceParamDiscriminator;

#endif

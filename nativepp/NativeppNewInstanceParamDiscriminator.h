#ifndef NATIVEPP_NATIVEPPNEWINSTANCEPARAMDISCRIMINATOR_H
#define NATIVEPP_NATIVEPPNEWINSTANCEPARAMDISCRIMINATOR_H

namespace nativepp {

// A one-byte tag: passed by reference only to select the proxy constructors that bind
// a proxy as an instance rather than as a reference.
class NativeppNewInstanceParamDiscriminator {};

// The tag that the typed class descriptors pass.
extern NativeppNewInstanceParamDiscriminator _pd;

}  // namespace nativepp

extern nativepp::NativeppNewInstanceParamDiscriminator _nativeppNewInstanceParamDiscriminator;
extern nativepp::NativeppNewInstanceParamDiscriminator _nativeppNewReferenceParamDiscriminator;

#endif

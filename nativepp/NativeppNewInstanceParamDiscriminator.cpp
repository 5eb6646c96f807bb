#include "nativepp/NativeppNewInstanceParamDiscriminator.h"

namespace nativepp {

NativeppNewInstanceParamDiscriminator _pd;

}  // namespace nativepp

nativepp::NativeppNewInstanceParamDiscriminator _nativeppNewInstanceParamDiscriminator;
nativepp::NativeppNewInstanceParamDiscriminator _nativeppNewReferenceParamDiscriminator;

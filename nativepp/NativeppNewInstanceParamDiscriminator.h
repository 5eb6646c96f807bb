#ifndef NATIVEPP_NATIVEPPNEWINSTANCEPARAMDISCRIMINATOR_H
#define NATIVEPP_NATIVEPPNEWINSTANCEPARAMDISCRIMINATOR_H

#include "nativepp/NativeppExport.h"


namespace nativepp {

/// A one-byte tag: passed by reference only to select the proxy constructors that bind
/// a proxy as an instance rather than as a reference. Owns nothing, throws nothing.
class NATIVEPP_EXPORT NativeppNewInstanceParamDiscriminator {};

/// The tag that the typed class descriptors pass.
NATIVEPP_EXPORT extern NativeppNewInstanceParamDiscriminator _pd;

}  // namespace nativepp

/// \file
/// The tags that select a proxy constructor's form.

/// The instance tag: T(tag) calls the Java no-argument constructor, T(args..., tag) the Java
/// constructor that the copy would otherwise shadow, T(jobject&, tag) binds as an instance.
NATIVEPP_EXPORT extern nativepp::NativeppNewInstanceParamDiscriminator _nativeppNewInstanceParamDiscriminator;
/// The reference tag, the instance tag's counterpart; no proxy constructor selects on it.
NATIVEPP_EXPORT extern nativepp::NativeppNewInstanceParamDiscriminator _nativeppNewReferenceParamDiscriminator;

#endif

#ifndef PROXIES_JAVA_LANG_OBJECTJARRAY_H
#define PROXIES_JAVA_LANG_OBJECTJARRAY_H

#include "NativeppArrayProxyPattern.h"
#include "NativeppProxyPattern.h"
#include "java/lang/Object.h"

namespace java {
namespace lang {

// Proxy of Object[].
class NATIVEPP_EXPORT ObjectJArray : public virtual Object {
    NATIVEPP_PROXY_MEMBERS(ObjectJArray)
    NATIVEPP_ARRAY_PROXY_MEMBERS(ObjectJArray, Object, jobjectArray)
};

}  // namespace lang
}  // namespace java

namespace nativepp {

// Thrown in two steps: a temporary reference proxy, then the thrown copy of it; the
// temporary is gone before any handler runs.
template <>
inline void NativeppTObjectClass<java::lang::ObjectJArray>::throwAsNativeException(const NativeppJObjectLocal& obj) {
    java::lang::ObjectJArray temporary(obj);
    throw java::lang::ObjectJArray(temporary);
}

}  // namespace nativepp

#endif

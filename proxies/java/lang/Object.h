#ifndef PROXIES_JAVA_LANG_OBJECT_H
#define PROXIES_JAVA_LANG_OBJECT_H

#include "NativeppProxyPattern.h"

namespace java {
namespace lang {

// Proxy of java.lang.Object.
class NATIVEPP_EXPORT Object : public virtual nativepp::NativeppObject {
    NATIVEPP_PROXY_MEMBERS(Object)

    // Java constructor "()V".
    explicit Object(nativepp::NativeppNewInstanceParamDiscriminator& pd);
};

}  // namespace lang
}  // namespace java

#endif

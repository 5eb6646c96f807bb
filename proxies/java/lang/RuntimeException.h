#ifndef PROXIES_JAVA_LANG_RUNTIMEEXCEPTION_H
#define PROXIES_JAVA_LANG_RUNTIMEEXCEPTION_H

#include "NativeppProxyPattern.h"
#include "java/lang/Exception.h"

namespace java {
namespace lang {

// Proxy of java.lang.RuntimeException.
class NATIVEPP_EXPORT RuntimeException : public virtual Exception {
    NATIVEPP_PROXY_MEMBERS(RuntimeException)

    // Java constructor "()V".
    explicit RuntimeException(nativepp::NativeppNewInstanceParamDiscriminator& pd);
};

}  // namespace lang
}  // namespace java

#endif

#ifndef PROXIES_JAVA_LANG_EXCEPTION_H
#define PROXIES_JAVA_LANG_EXCEPTION_H

#include "NativeppProxyPattern.h"
#include "java/lang/Throwable.h"

namespace java {
namespace lang {

// Proxy of java.lang.Exception.
class NATIVEPP_EXPORT Exception : public virtual Throwable {
    NATIVEPP_PROXY_MEMBERS(Exception)

    // Java constructor "()V".
    explicit Exception(nativepp::NativeppNewInstanceParamDiscriminator& pd);
};

}  // namespace lang
}  // namespace java

#endif

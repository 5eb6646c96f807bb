#ifndef PROXIES_JAVA_LANG_CLASSNOTFOUNDEXCEPTION_H
#define PROXIES_JAVA_LANG_CLASSNOTFOUNDEXCEPTION_H

#include "NativeppProxyPattern.h"
#include "java/lang/Exception.h"

namespace java {
namespace lang {

// Proxy of java.lang.ClassNotFoundException.
class NATIVEPP_EXPORT ClassNotFoundException : public virtual Exception {
    NATIVEPP_PROXY_MEMBERS(ClassNotFoundException)

    // Java constructor "()V".
    explicit ClassNotFoundException(nativepp::NativeppNewInstanceParamDiscriminator& pd);
};

}  // namespace lang
}  // namespace java

#endif

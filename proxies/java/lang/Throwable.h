#ifndef PROXIES_JAVA_LANG_THROWABLE_H
#define PROXIES_JAVA_LANG_THROWABLE_H

#include "NativeppProxyPattern.h"
#include "java/lang/Object.h"

namespace java {
namespace lang {

// Proxy of java.lang.Throwable.
class NATIVEPP_EXPORT Throwable : public virtual Object {
    NATIVEPP_PROXY_MEMBERS(Throwable)

    // Java constructor "()V".
    explicit Throwable(nativepp::NativeppNewInstanceParamDiscriminator& pd);

    Throwable(jthrowable& obj, nativepp::NativeppNewInstanceParamDiscriminator& pd);
    Throwable(jthrowable& obj);
    Throwable& operator=(jthrowable& obj);
};

}  // namespace lang
}  // namespace java

#endif

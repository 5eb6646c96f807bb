#ifndef PROXIES_JAVA_LANG_CLASS_H
#define PROXIES_JAVA_LANG_CLASS_H

#include "NativeppProxyPattern.h"
#include "java/lang/Object.h"

namespace java {
namespace lang {

// Proxy of java.lang.Class.
class NATIVEPP_EXPORT Class : public virtual Object {
    NATIVEPP_PROXY_MEMBERS(Class)

    Class(jclass& obj, nativepp::NativeppNewInstanceParamDiscriminator& pd);
    Class(jclass& obj);
    Class& operator=(jclass& obj);

    // The Java class of a descriptor, as the class$ static of every proxy holds it; it
    // cannot be assigned.
    explicit Class(nativepp::NativeppObjectClass* cls);
};

}  // namespace lang
}  // namespace java

#endif

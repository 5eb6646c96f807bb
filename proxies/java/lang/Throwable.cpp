#include "java/lang/Throwable.h"

namespace java {
namespace lang {

NATIVEPP_PROXY_DEFINITIONS(Throwable, "java/lang/Throwable", "Ljava/lang/Throwable;", 0, 4, 8, nativepp::NativeppObject(), Object())

Throwable::Throwable(nativepp::NativeppNewInstanceParamDiscriminator&) NATIVEPP_PROXY_JAVA_CONSTRUCTOR_BODY(0, "()V")

Throwable::Throwable(jthrowable& obj, nativepp::NativeppNewInstanceParamDiscriminator&) {
    nativeppInitFields();
    nativeppInitObject(obj);
}

Throwable::Throwable(jthrowable& obj) {
    nativeppInitFields();
    nativeppInitObjectReference(obj);
}

Throwable& Throwable::operator=(jthrowable& obj) {
    nativeppAssign(obj);
    return *this;
}

}  // namespace lang
}  // namespace java

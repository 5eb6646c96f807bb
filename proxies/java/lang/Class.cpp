#include "java/lang/Class.h"

namespace java {
namespace lang {

NATIVEPP_PROXY_DEFINITIONS(Class, "java/lang/Class", "Ljava/lang/Class;", 0, 0, 18, nativepp::NativeppObject(), Object())

Class::Class(jclass& obj, nativepp::NativeppNewInstanceParamDiscriminator&) {
    nativeppInitFields();
    nativeppInitObject(obj);
}

Class::Class(jclass& obj) {
    nativeppInitFields();
    nativeppInitObjectReference(obj);
}

Class& Class::operator=(jclass& obj) {
    nativeppAssign(obj);
    return *this;
}

Class::Class(nativepp::NativeppObjectClass* cls) {
    nativeppInitFields();
    nativeppInitFieldClassSpecial(cls);
}

}  // namespace lang
}  // namespace java

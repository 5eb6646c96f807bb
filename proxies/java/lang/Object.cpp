#include "java/lang/Object.h"

namespace java {
namespace lang {

NATIVEPP_PROXY_DEFINITIONS(Object, "java/lang/Object", "Ljava/lang/Object;", 0, 1, 7, nativepp::NativeppObject())

Object::Object(nativepp::NativeppNewInstanceParamDiscriminator&) NATIVEPP_PROXY_JAVA_CONSTRUCTOR_BODY(0, "()V")

}  // namespace lang
}  // namespace java

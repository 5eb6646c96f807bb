#include "java/lang/Exception.h"

namespace java {
namespace lang {

NATIVEPP_PROXY_DEFINITIONS(Exception, "java/lang/Exception", "Ljava/lang/Exception;", 0, 4, 0, nativepp::NativeppObject(), Object(), Throwable())

Exception::Exception(nativepp::NativeppNewInstanceParamDiscriminator&) NATIVEPP_PROXY_JAVA_CONSTRUCTOR_BODY(3, "()V")

}  // namespace lang
}  // namespace java

#include "java/lang/RuntimeException.h"

namespace java {
namespace lang {

NATIVEPP_PROXY_DEFINITIONS(RuntimeException, "java/lang/RuntimeException", "Ljava/lang/RuntimeException;", 0, 4, 0, nativepp::NativeppObject(), Object(), Throwable(), Exception())

RuntimeException::RuntimeException(nativepp::NativeppNewInstanceParamDiscriminator&) NATIVEPP_PROXY_JAVA_CONSTRUCTOR_BODY(3, "()V")

}  // namespace lang
}  // namespace java

#include "java/lang/ClassNotFoundException.h"

namespace java {
namespace lang {

NATIVEPP_PROXY_DEFINITIONS(ClassNotFoundException, "java/lang/ClassNotFoundException", "Ljava/lang/ClassNotFoundException;", 0, 3, 2, nativepp::NativeppObject(), Object(), Throwable(), Exception())

ClassNotFoundException::ClassNotFoundException(nativepp::NativeppNewInstanceParamDiscriminator&) NATIVEPP_PROXY_JAVA_CONSTRUCTOR_BODY(2, "()V")

}  // namespace lang
}  // namespace java

#include "java/lang/ObjectJArray.h"

namespace java {
namespace lang {

nativepp::NativeppTObjectClass<ObjectJArray> ObjectJArray::nativeppClass("[Ljava/lang/Object;", "[Ljava/lang/Object;", 0,
                                                                         0, 0, "java/lang/Object");

NATIVEPP_PROXY_BINDING_DEFINITIONS(ObjectJArray, nativepp::NativeppObject(), Object())
NATIVEPP_ARRAY_PROXY_DEFINITIONS(ObjectJArray, Object, jobjectArray,
                                 nativepp::NativeppArray::newObjectArray(length, &nativeppClass, nativeppGetJNIEnv()))

}  // namespace lang
}  // namespace java

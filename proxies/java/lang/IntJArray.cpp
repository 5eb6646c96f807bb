#include "java/lang/IntJArray.h"

namespace java {
namespace lang {

nativepp::NativeppTObjectClass<IntJArray> IntJArray::nativeppClass("[I", "[I", 0, 0, 0);

NATIVEPP_PROXY_BINDING_DEFINITIONS(IntJArray, nativepp::NativeppObject(), Object())
NATIVEPP_ARRAY_PROXY_DEFINITIONS(IntJArray, nativepp::NativeppInt, jintArray,
                                 nativepp::NativeppArray::newIntArray(length, nativeppGetJNIEnv()))

IntJArray::IntJArray(int length, int* data) : IntJArray(length) { set(0, length, data); }

int* IntJArray::get(int start, int count, int* buffer) {
    return nativepp::NativeppArray::getIntArray(this, start, count, buffer, nativeppGetJNIEnv());
}

void IntJArray::set(int start, int count, int* buffer) {
    nativepp::NativeppArray::setIntArray(this, start, count, buffer, nativeppGetJNIEnv());
}

int* IntJArray::get(int* buffer) { return get(0, length, buffer); }

void IntJArray::set(int* buffer) { set(0, length, buffer); }

}  // namespace lang
}  // namespace java

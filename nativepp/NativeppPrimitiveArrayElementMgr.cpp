#include "nativepp/NativeppPrimitiveArrayElementMgr.h"

#include "nativepp/NativeppArray.h"

namespace nativepp {

NativeppPrimitiveArrayElementMgr::NativeppPrimitiveArrayElementMgr(int index, NativeppObject* array)
    : NativeppPrimitiveFieldMgr(index, array) {}

NativeppPrimitiveArrayElementMgr::~NativeppPrimitiveArrayElementMgr() {}

#define NATIVEPP_ELEMENT_KIND(KIND, NATIVE)                                                         \
    NATIVE NativeppPrimitiveArrayElementMgr::get##KIND##Field(JNIEnv* env) {                        \
        NATIVE value;                                                                               \
        return *NativeppArray::get##KIND##Array(owner, index, 1, &value, env);                      \
    }                                                                                               \
    void NativeppPrimitiveArrayElementMgr::set##KIND##Field(NATIVE value, JNIEnv* env) {            \
        NativeppArray::set##KIND##Array(owner, index, 1, &value, env);                              \
    }

NATIVEPP_ELEMENT_KIND(Boolean, unsigned char)
NATIVEPP_ELEMENT_KIND(Byte, signed char)
NATIVEPP_ELEMENT_KIND(Char, unsigned short)
NATIVEPP_ELEMENT_KIND(Short, short)
NATIVEPP_ELEMENT_KIND(Int, int)
NATIVEPP_ELEMENT_KIND(Long, long long)
NATIVEPP_ELEMENT_KIND(Float, float)
NATIVEPP_ELEMENT_KIND(Double, double)

}  // namespace nativepp

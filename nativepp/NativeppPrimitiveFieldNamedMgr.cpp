#include "nativepp/NativeppPrimitiveFieldNamedMgr.h"

#include "nativepp/NativeppFieldNamedInstance.h"
#include "nativepp/NativeppFieldNamedStatic.h"

namespace nativepp {

NativeppPrimitiveFieldNamedMgr::NativeppPrimitiveFieldNamedMgr(int index, const char* name, NativeppClass*,
                                                               NativeppObjectClass* ownerClass, NativeppObject* owner)
    : NativeppPrimitiveFieldMgr(index, owner), name(name), ownerClass(ownerClass) {}

NativeppPrimitiveFieldNamedMgr::~NativeppPrimitiveFieldNamedMgr() {}

#define NATIVEPP_NAMED_FIELD_KIND(KIND, NATIVE)                                                     \
    NATIVE NativeppPrimitiveFieldNamedMgr::get##KIND##Field(JNIEnv* env) {                          \
        if (owner != nullptr) {                                                                     \
            return NativeppFieldNamedInstance::get##KIND##Field(index, name, ownerClass, owner, env); \
        }                                                                                           \
        return NativeppFieldNamedStatic::getStatic##KIND##Field(index, name, ownerClass, env);      \
    }                                                                                               \
    void NativeppPrimitiveFieldNamedMgr::set##KIND##Field(NATIVE value, JNIEnv* env) {              \
        if (owner != nullptr) {                                                                     \
            NativeppFieldNamedInstance::set##KIND##Field(index, name, ownerClass, owner, value, env); \
        } else {                                                                                    \
            NativeppFieldNamedStatic::setStatic##KIND##Field(index, name, ownerClass, value, env);  \
        }                                                                                           \
    }

NATIVEPP_NAMED_FIELD_KIND(Boolean, unsigned char)
NATIVEPP_NAMED_FIELD_KIND(Byte, signed char)
NATIVEPP_NAMED_FIELD_KIND(Char, unsigned short)
NATIVEPP_NAMED_FIELD_KIND(Short, short)
NATIVEPP_NAMED_FIELD_KIND(Int, int)
NATIVEPP_NAMED_FIELD_KIND(Long, long long)
NATIVEPP_NAMED_FIELD_KIND(Float, float)
NATIVEPP_NAMED_FIELD_KIND(Double, double)

}  // namespace nativepp

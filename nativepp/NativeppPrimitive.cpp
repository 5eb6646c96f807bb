#include "nativepp/NativeppPrimitive.h"

#include "nativepp/NativeppException.h"
#include "nativepp/NativeppPrimitiveArrayElementMgr.h"
#include "nativepp/NativeppPrimitiveFieldNamedMgr.h"

namespace nativepp {

NativeppPrimitive::NativeppPrimitive() {}

NativeppPrimitive::~NativeppPrimitive() {}

void NativeppPrimitive::nativeppInitFieldNamedStatic(int index, const char* name, NativeppObjectClass* ownerClass) {
    bind(std::make_unique<NativeppPrimitiveFieldNamedMgr>(index, name, getClass(), ownerClass, nullptr));
}

void NativeppPrimitive::nativeppInitFieldNamed(int index, const char* name, NativeppObjectClass* ownerClass,
                                               NativeppObject* owner) {
    bind(std::make_unique<NativeppPrimitiveFieldNamedMgr>(index, name, getClass(), ownerClass, owner));
}

void NativeppPrimitive::nativeppInitArrayElement(int index, NativeppObject* array) {
    bind(std::make_unique<NativeppPrimitiveArrayElementMgr>(index, array));
}

void NativeppPrimitive::bind(std::unique_ptr<NativeppPrimitiveFieldMgr> mgr) {
    if (fieldMgr != nullptr) {
        throw NativeppException("INTERNAL ERROR, unexpected pointer not null");
    }
    fieldMgr = std::move(mgr);
}

NativeppPrimitiveFieldMgr* NativeppPrimitive::accessor() {
    if (fieldMgr == nullptr) {
        throw NativeppException("INTERNAL ERROR, primitive value is not bound");
    }
    return fieldMgr.get();
}

}  // namespace nativepp

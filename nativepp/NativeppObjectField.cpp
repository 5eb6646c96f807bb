#include "nativepp/NativeppObjectField.h"

#include "nativepp/NativeppException.h"
#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppMonitor.h"
#include "nativepp/NativeppObject.h"
#include "nativepp/NativeppSynchronized.h"

namespace nativepp {

NativeppObjectField::NativeppObjectField()
    : field(nullptr),
      index(0),
      name(nullptr),
      ownerClass(nullptr),
      owner(nullptr),
      monitor(std::make_unique<NativeppMonitor>()) {}

NativeppObjectField::~NativeppObjectField() { delete field.load(); }

void NativeppObjectField::nativeppInitFieldNamed(int fieldIndex, const char* fieldName,
                                                 NativeppObjectClass* fieldOwnerClass, NativeppObject* fieldOwner) {
    index = fieldIndex;
    name = fieldName;
    ownerClass = fieldOwnerClass;
    owner = fieldOwner;
}

void NativeppObjectField::nativeppInitFieldNamedStatic(int, const char*, NativeppObjectClass*) {
    throw NativeppException("INTERNAL ERROR, no sense method in this context");
}

void NativeppObjectField::nativeppInitArrayElement(int, NativeppObject*) {
    throw NativeppException("INTERNAL ERROR, no sense method in this context");
}

NativeppObject* NativeppObjectField::getField() { return field.load(std::memory_order_acquire); }

void NativeppObjectField::initInternalField() {
    // Before its first use the proxy does not exist yet; it is bound when it is made.
    NativeppObject* proxy = getField();
    if (proxy != nullptr) {
        bind(proxy);
    }
}

void NativeppObjectField::bind(NativeppObject* proxy) {
    if (name == nullptr) {
        throw NativeppException("INTERNAL ERROR, object field is not bound");
    }
    proxy->nativeppInitFieldNamed(index, name, ownerClass, owner);
}

NativeppObject* NativeppObjectField::getFieldCreated(std::unique_ptr<NativeppObject> (*make)()) {
    NativeppObject* held = field.load(std::memory_order_acquire);
    if (held != nullptr) {
        return held;
    }
    NativeppSynchronized creating(monitor.get(), NativeppJVM::getJNIEnv());
    held = field.load(std::memory_order_acquire);
    if (held == nullptr) {
        std::unique_ptr<NativeppObject> made = make();
        bind(made.get());
        held = made.release();
        field.store(held, std::memory_order_release);
    }
    creating.exit();
    return held;
}

}  // namespace nativepp

#include "nativepp/NativeppArrayLengthField.h"

#include "nativepp/NativeppArray.h"
#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppObjectHelper.h"

namespace nativepp {

NativeppArrayLengthField::NativeppArrayLengthField() : arrayObject(nullptr) {}

void NativeppArrayLengthField::nativeppInitField(NativeppObject* array) { arrayObject = array; }

int NativeppArrayLengthField::get() {
    JNIEnv* env = NativeppJVM::getJNIEnv();
    const NativeppSharedJObjectGlobal array = NativeppObjectHelper::getJObjectGlobalNotNull(arrayObject, env);
    return NativeppArray::getArrayLength(array.getJObject(), env);
}

NativeppArrayLengthField::operator int() { return get(); }

}  // namespace nativepp

#include "nativepp/NativeppObjectArrayElementMgr.h"

#include "nativepp/NativeppObjectHelper.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

namespace {

NativeppSharedJObjectGlobal arrayOf(NativeppObject* array, JNIEnv* env) {
    return array != nullptr ? array->nativeppGetJObjectGlobal(env) : NativeppSharedJObjectGlobal();
}

}  // namespace

NativeppObjectArrayElementMgr::NativeppObjectArrayElementMgr(int index, NativeppObject* object, NativeppObject* array)
    : NativeppObjectFieldMgr(index, object, array) {}

NativeppObjectArrayElementMgr::~NativeppObjectArrayElementMgr() {}

NativeppJObjectLocal NativeppObjectArrayElementMgr::getJObjectField(NativeppRefusal& refused, JNIEnv* env) {
    const NativeppSharedJObjectGlobal array = arrayOf(owner, env);
    if (array.isNull()) {
        refused = NativeppObjectHelper::nullPointerRefusal(owner);
        return NativeppJObjectLocal();
    }
    NativeppJObjectLocal element(env->GetObjectArrayElement(static_cast<jobjectArray>(array.getJObject()), index),
                                 env);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return element;
}

NativeppRefusal NativeppObjectArrayElementMgr::setJObjectField(const NativeppJObjectWrapper& value, JNIEnv* env) {
    const NativeppSharedJObjectGlobal array = arrayOf(owner, env);
    if (array.isNull()) {
        return NativeppObjectHelper::nullPointerRefusal(owner);
    }
    env->SetObjectArrayElement(static_cast<jobjectArray>(array.getJObject()), index, value.getJObject());
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return NativeppRefusal();
}

}  // namespace nativepp

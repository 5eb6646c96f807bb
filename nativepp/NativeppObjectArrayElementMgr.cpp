#include "nativepp/NativeppObjectArrayElementMgr.h"

#include "nativepp/NativeppObjectHelper.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

NativeppObjectArrayElementMgr::NativeppObjectArrayElementMgr(int index, NativeppObject* object, NativeppObject* array)
    : NativeppObjectFieldMgr(index, object, array) {}

NativeppObjectArrayElementMgr::~NativeppObjectArrayElementMgr() {}

NativeppJObjectLocal NativeppObjectArrayElementMgr::getJObjectField(JNIEnv* env) {
    const NativeppSharedJObjectGlobal array = NativeppObjectHelper::getJObjectGlobalNotNull(owner, env);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    NativeppJObjectLocal element(env->GetObjectArrayElement(static_cast<jobjectArray>(array.getJObject()), index),
                                 env);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return element;
}

void NativeppObjectArrayElementMgr::setJObjectField(const NativeppJObjectWrapper& value, JNIEnv* env) {
    const NativeppSharedJObjectGlobal array = NativeppObjectHelper::getJObjectGlobalNotNull(owner, env);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    env->SetObjectArrayElement(static_cast<jobjectArray>(array.getJObject()), index, value.getJObject());
    NativeppThrowable::nativeThrowIfJavaThrown(env);
}

}  // namespace nativepp

#include "nativepp/NativeppFieldNamedInstance.h"

#include "nativepp/NativeppBoolean.h"
#include "nativepp/NativeppByte.h"
#include "nativepp/NativeppChar.h"
#include "nativepp/NativeppDouble.h"
#include "nativepp/NativeppFieldNamed.h"
#include "nativepp/NativeppFloat.h"
#include "nativepp/NativeppInt.h"
#include "nativepp/NativeppLong.h"
#include "nativepp/NativeppObjectHelper.h"
#include "nativepp/NativeppShort.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

namespace {

NativeppSharedJObjectGlobal targetOf(NativeppObject* owner, JNIEnv* env) {
    return owner != nullptr ? owner->nativeppGetJObjectGlobal(env) : NativeppSharedJObjectGlobal();
}

// Native is the binding layer's type, Jni the JNI one; they differ only for Java long on
// x86-64, where jlong is long and the layer keeps long long.
template <typename Native, typename Jni>
Native getField(int index, const char* name, NativeppClass* fieldClass, NativeppObjectClass* ownerClass,
                NativeppObject* owner, JNIEnv* env, Jni (JNIEnv::*get)(jobject, jfieldID)) {
    const NativeppSharedJObjectGlobal target = NativeppObjectHelper::getJObjectGlobalNotNull(owner, env);
    jfieldID id = NativeppFieldNamed::getFieldID(index, name, fieldClass, ownerClass, env);
    // A primitive field access raises nothing once its ID is found: no check after it.
    return static_cast<Native>((env->*get)(target.getJObject(), id));
}

template <typename Native, typename Jni>
void setField(int index, const char* name, NativeppClass* fieldClass, NativeppObjectClass* ownerClass,
              NativeppObject* owner, Native value, JNIEnv* env, void (JNIEnv::*set)(jobject, jfieldID, Jni)) {
    const NativeppSharedJObjectGlobal target = NativeppObjectHelper::getJObjectGlobalNotNull(owner, env);
    jfieldID id = NativeppFieldNamed::getWritableFieldID(index, name, fieldClass, ownerClass, env);
    (env->*set)(target.getJObject(), id, static_cast<Jni>(value));
}

}  // namespace

NativeppJObjectLocal NativeppFieldNamedInstance::getObjectField(int index, const char* name, NativeppClass* fieldClass,
                                                                NativeppObjectClass* ownerClass, NativeppObject* owner,
                                                                JNIEnv* env) {
    NativeppRefusal refused;
    NativeppJObjectLocal value = getObjectField(index, name, fieldClass, ownerClass, owner, refused, env);
    refused.raise(env);
    return value;
}

NativeppJObjectLocal NativeppFieldNamedInstance::getObjectField(int index, const char* name, NativeppClass* fieldClass,
                                                                NativeppObjectClass* ownerClass, NativeppObject* owner,
                                                                NativeppRefusal& refused, JNIEnv* env) {
    const NativeppSharedJObjectGlobal target = targetOf(owner, env);
    if (target.isNull()) {
        refused = NativeppObjectHelper::nullPointerRefusal(owner);
        return NativeppJObjectLocal();
    }
    jfieldID id = NativeppFieldNamed::getFieldID(index, name, fieldClass, ownerClass, env);
    // An object field read raises nothing once its ID is found.
    return NativeppJObjectLocal(env->GetObjectField(target.getJObject(), id), env);
}

void NativeppFieldNamedInstance::setObjectField(int index, const char* name, NativeppClass* fieldClass,
                                                NativeppObjectClass* ownerClass, NativeppObject* owner,
                                                const NativeppJObjectWrapper& value, JNIEnv* env) {
    trySetObjectField(index, name, fieldClass, ownerClass, owner, value, env).raise(env);
}

NativeppRefusal NativeppFieldNamedInstance::trySetObjectField(int index, const char* name, NativeppClass* fieldClass,
                                                              NativeppObjectClass* ownerClass, NativeppObject* owner,
                                                              const NativeppJObjectWrapper& value, JNIEnv* env) {
    const NativeppSharedJObjectGlobal target = targetOf(owner, env);
    if (target.isNull()) {
        return NativeppObjectHelper::nullPointerRefusal(owner);
    }
    jfieldID id = NativeppFieldNamed::getFieldID(index, name, fieldClass, ownerClass, env);
    NativeppRefusal refused = NativeppFieldNamed::storeRefusal(0, index, name, id, fieldClass, ownerClass, value, env);
    if (!refused) {
        env->SetObjectField(target.getJObject(), id, value.getJObject());
        NativeppThrowable::nativeThrowIfJavaThrown(env);
    }
    return refused;
}

#define NATIVEPP_INSTANCE_FIELD_KIND(KIND, NATIVE)                                                  \
    NATIVE NativeppFieldNamedInstance::get##KIND##Field(int index, const char* name,                \
                                                        NativeppObjectClass* ownerClass,            \
                                                        NativeppObject* owner, JNIEnv* env) {       \
        return getField<NATIVE>(index, name, &Nativepp##KIND::nativeppClass, ownerClass, owner, env, \
                                &JNIEnv::Get##KIND##Field);                                         \
    }                                                                                               \
    void NativeppFieldNamedInstance::set##KIND##Field(int index, const char* name,                  \
                                                      NativeppObjectClass* ownerClass,              \
                                                      NativeppObject* owner, NATIVE value, JNIEnv* env) { \
        setField<NATIVE>(index, name, &Nativepp##KIND::nativeppClass, ownerClass, owner, value, env, \
                         &JNIEnv::Set##KIND##Field);                                                \
    }

NATIVEPP_INSTANCE_FIELD_KIND(Boolean, unsigned char)
NATIVEPP_INSTANCE_FIELD_KIND(Byte, signed char)
NATIVEPP_INSTANCE_FIELD_KIND(Char, unsigned short)
NATIVEPP_INSTANCE_FIELD_KIND(Short, short)
NATIVEPP_INSTANCE_FIELD_KIND(Int, int)
NATIVEPP_INSTANCE_FIELD_KIND(Long, long long)
NATIVEPP_INSTANCE_FIELD_KIND(Float, float)
NATIVEPP_INSTANCE_FIELD_KIND(Double, double)

}  // namespace nativepp

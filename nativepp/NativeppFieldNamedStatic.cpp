#include "nativepp/NativeppFieldNamedStatic.h"

#include "nativepp/NativeppBoolean.h"
#include "nativepp/NativeppByte.h"
#include "nativepp/NativeppChar.h"
#include "nativepp/NativeppDouble.h"
#include "nativepp/NativeppFieldNamed.h"
#include "nativepp/NativeppFloat.h"
#include "nativepp/NativeppInt.h"
#include "nativepp/NativeppLong.h"
#include "nativepp/NativeppObjectClass.h"
#include "nativepp/NativeppShort.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

namespace {

// Native is the binding layer's type, Jni the JNI one; they differ only for Java long on
// x86-64, where jlong is long and the layer keeps long long.
template <typename Native, typename Jni>
Native getField(int index, const char* name, NativeppClass* fieldClass, NativeppObjectClass* ownerClass, JNIEnv* env,
                Jni (JNIEnv::*get)(jclass, jfieldID)) {
    jfieldID id = NativeppFieldNamed::getStaticFieldID(index, name, fieldClass, ownerClass, env);
    // The ID lookup initialised the class, so a primitive static access raises nothing.
    return static_cast<Native>((env->*get)(ownerClass->getJClass(env)->getJClass(), id));
}

template <typename Native, typename Jni>
void setField(int index, const char* name, NativeppClass* fieldClass, NativeppObjectClass* ownerClass, Native value,
              JNIEnv* env, void (JNIEnv::*set)(jclass, jfieldID, Jni)) {
    jfieldID id = NativeppFieldNamed::getWritableStaticFieldID(index, name, fieldClass, ownerClass, env);
    (env->*set)(ownerClass->getJClass(env)->getJClass(), id, static_cast<Jni>(value));
}

}  // namespace

NativeppJObjectLocal NativeppFieldNamedStatic::getStaticObjectField(int index, const char* name,
                                                                    NativeppClass* fieldClass,
                                                                    NativeppObjectClass* ownerClass, JNIEnv* env) {
    jfieldID id = NativeppFieldNamed::getStaticFieldID(index, name, fieldClass, ownerClass, env);
    // An object field read raises nothing once its ID is found.
    return NativeppJObjectLocal(env->GetStaticObjectField(ownerClass->getJClass(env)->getJClass(), id), env);
}

void NativeppFieldNamedStatic::setStaticObjectField(int index, const char* name, NativeppClass* fieldClass,
                                                    NativeppObjectClass* ownerClass,
                                                    const NativeppJObjectWrapper& value, JNIEnv* env) {
    trySetStaticObjectField(index, name, fieldClass, ownerClass, value, env).raise(env);
}

NativeppRefusal NativeppFieldNamedStatic::trySetStaticObjectField(int index, const char* name,
                                                                  NativeppClass* fieldClass,
                                                                  NativeppObjectClass* ownerClass,
                                                                  const NativeppJObjectWrapper& value, JNIEnv* env) {
    jfieldID id = NativeppFieldNamed::getStaticFieldID(index, name, fieldClass, ownerClass, env);
    NativeppRefusal refused = NativeppFieldNamed::storeRefusal(1, index, name, id, fieldClass, ownerClass, value, env);
    if (!refused) {
        env->SetStaticObjectField(ownerClass->getJClass(env)->getJClass(), id, value.getJObject());
        NativeppThrowable::nativeThrowIfJavaThrown(env);
    }
    return refused;
}

#define NATIVEPP_STATIC_FIELD_KIND(KIND, NATIVE)                                                    \
    NATIVE NativeppFieldNamedStatic::getStatic##KIND##Field(int index, const char* name,            \
                                                            NativeppObjectClass* ownerClass, JNIEnv* env) { \
        return getField<NATIVE>(index, name, &Nativepp##KIND::nativeppClass, ownerClass, env,       \
                                &JNIEnv::GetStatic##KIND##Field);                                   \
    }                                                                                               \
    void NativeppFieldNamedStatic::setStatic##KIND##Field(int index, const char* name,              \
                                                          NativeppObjectClass* ownerClass, NATIVE value, \
                                                          JNIEnv* env) {                            \
        setField<NATIVE>(index, name, &Nativepp##KIND::nativeppClass, ownerClass, value, env,       \
                         &JNIEnv::SetStatic##KIND##Field);                                          \
    }

NATIVEPP_STATIC_FIELD_KIND(Boolean, unsigned char)
NATIVEPP_STATIC_FIELD_KIND(Byte, signed char)
NATIVEPP_STATIC_FIELD_KIND(Char, unsigned short)
NATIVEPP_STATIC_FIELD_KIND(Short, short)
NATIVEPP_STATIC_FIELD_KIND(Int, int)
NATIVEPP_STATIC_FIELD_KIND(Long, long long)
NATIVEPP_STATIC_FIELD_KIND(Float, float)
NATIVEPP_STATIC_FIELD_KIND(Double, double)

}  // namespace nativepp

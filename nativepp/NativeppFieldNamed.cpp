#include "nativepp/NativeppFieldNamed.h"

#include <atomic>
#include <string>

#include "nativepp/NativeppClass.h"
#include "nativepp/NativeppException.h"
#include "nativepp/NativeppJClassLocal.h"
#include "nativepp/NativeppJObjectLocal.h"
#include "nativepp/NativeppJObjectWrapper.h"
#include "nativepp/NativeppObjectClass.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

namespace {

// java.lang.reflect.Modifier.FINAL
const jint javaFinalModifier = 0x10;

jmethodID getModifiersID(JNIEnv* env) {
    static std::atomic<jmethodID> cached{nullptr};
    jmethodID id = cached.load(std::memory_order_acquire);
    if (id != nullptr) {
        return id;
    }
    NativeppJClassLocal fieldClass = NativeppClass::getJavaClass("java/lang/reflect/Field", env);
    id = env->GetMethodID(fieldClass.getJClass(), "getModifiers", "()I");
    if (id == nullptr) {
        env->ExceptionClear();
        throw NativeppException("Method not found, name: getModifiers, signature:()I");
    }
    // Every thread finds the same ID.
    cached.store(id, std::memory_order_release);
    return id;
}

bool isFinal(unsigned char isStatic, jfieldID id, NativeppObjectClass* ownerClass, JNIEnv* env) {
    jclass cls = ownerClass->getJClass(env)->getJClass();
    jmethodID getModifiers = getModifiersID(env);
    NativeppJObjectLocal field(env->ToReflectedField(cls, id, isStatic ? JNI_TRUE : JNI_FALSE), env);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    if (field.isNull()) {
        throw NativeppException("INTERNAL ERROR, no reflected field for a field ID");
    }
    const jint modifiers = env->CallIntMethod(field.getJObject(), getModifiers);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return (modifiers & javaFinalModifier) != 0;
}

}  // namespace

jfieldID NativeppFieldNamed::getGenericFieldID(unsigned char isStatic, int index, const char* name,
                                               NativeppClass* fieldClass, NativeppObjectClass* ownerClass,
                                               JNIEnv* env) {
    // The first lookup runs Java code (class initialisation): an exception that the caller
    // left pending goes first. Later accesses do not test for one (see NativeppThrowable).
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    jfieldID cached = ownerClass->getFieldID(index);
    if (cached != nullptr) {
        return cached;
    }
    const char* signature = fieldClass->getSignature();
    jclass cls = ownerClass->getJClass(env)->getJClass();
    return ownerClass->lookUpFieldID(index, [&] {
        jfieldID id = isStatic ? env->GetStaticFieldID(cls, name, signature) : env->GetFieldID(cls, name, signature);
        if (id == nullptr) {
            // The NoSuchFieldError must go: the binding layer leaves no Java exception pending.
            env->ExceptionClear();
            throw NativeppException(std::string("Field not found, name: ") + name + ", signature:" + signature);
        }
        return id;
    });
}

NativeppObjectClass::FieldWritability NativeppFieldNamed::learnWritability(unsigned char isStatic, int index,
                                                                          jfieldID id,
                                                                          NativeppObjectClass* ownerClass,
                                                                          JNIEnv* env) {
    NativeppObjectClass::FieldWritability state = ownerClass->getFieldWritability(index);
    if (state == NativeppObjectClass::fieldWritabilityUnknown) {
        // No lock: reflection runs Java code, and racing threads learn the same answer.
        state = isFinal(isStatic, id, ownerClass, env) ? NativeppObjectClass::fieldFinal
                                                       : NativeppObjectClass::fieldWritable;
        ownerClass->setFieldWritability(index, state);
    }
    return state;
}

namespace {

NativeppRefusal finalFieldRefusal(const char* name, NativeppObjectClass* ownerClass) {
    return NativeppRefusal::of("java/lang/IllegalAccessException",
                               std::string("cannot write the final field ") +
                                   NativeppClass::binaryName(ownerClass->getClassName()) + "." + name);
}

NativeppRefusal storableRefusal(NativeppClass* fieldClass, const NativeppJObjectWrapper& value, JNIEnv* env) {
    if (value.isNull()) {
        return NativeppRefusal();
    }
    const jboolean storable = env->IsInstanceOf(value.getJObject(), fieldClass->getJClass(env)->getJClass());
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return storable ? NativeppRefusal() : NativeppRefusal::classCast(value.getJObject(), fieldClass->getClassName());
}

}  // namespace

void NativeppFieldNamed::checkWritable(unsigned char isStatic, int index, const char* name, jfieldID id,
                                       NativeppObjectClass* ownerClass, JNIEnv* env) {
    if (learnWritability(isStatic, index, id, ownerClass, env) == NativeppObjectClass::fieldFinal) {
        finalFieldRefusal(name, ownerClass).raise(env);
    }
}

NativeppRefusal NativeppFieldNamed::storeRefusal(unsigned char isStatic, int index, const char* name, jfieldID id,
                                                 NativeppClass* fieldClass, NativeppObjectClass* ownerClass,
                                                 const NativeppJObjectWrapper& value, JNIEnv* env) {
    if (learnWritability(isStatic, index, id, ownerClass, env) == NativeppObjectClass::fieldFinal) {
        return finalFieldRefusal(name, ownerClass);
    }
    return storableRefusal(fieldClass, value, env);
}

}  // namespace nativepp

#include "nativepp/NativeppThrowable.h"

#include "nativepp/NativeppClass.h"
#include "nativepp/NativeppException.h"
#include "nativepp/NativeppJClassLocal.h"
#include "nativepp/NativeppJObjectLocal.h"
#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppObject.h"
#include "nativepp/NativeppObjectClass.h"

namespace nativepp {

std::atomic<NativeppObjectClass*> NativeppThrowable::throwableClass{nullptr};

namespace {

// The nearest proxy class of a pending exception; pending is deleted when finding it fails.
NativeppObjectClass* nearestClassOf(jthrowable pending, JNIEnv* env) {
    NativeppJObjectLocal view(pending, env);
    NativeppObjectClass* cls = NativeppObjectClass::getFirstKnownClassTree(view, env);
    view.detach();
    return cls;
}

}  // namespace

void NativeppThrowable::throwPending(JNIEnv* env) {
    jthrowable pending = env->ExceptionOccurred();
    // Nothing else may be called through JNI while an exception is pending.
    env->ExceptionClear();
    NativeppObjectClass* cls = nearestClassOf(pending, env);
    // Nothing to destroy here while the proxy is thrown: a frame with a cleanup stops the
    // unwinder, which then starts again, and under emulation that costs about a throw.
    cls->throwAsNativeExceptionAdopting(pending);
    throw NativeppException("INTERNAL ERROR, no exception thrown for a pending Java exception");
}

void NativeppThrowable::nativeThrowIfJavaThrown() { nativeThrowIfJavaThrown(NativeppJVM::getJNIEnv()); }

void NativeppThrowable::throwNew(const char* className, const char* message, JNIEnv* env) {
    nativeThrowIfJavaThrown(env);
    NativeppJClassLocal cls = NativeppClass::getJavaClass(className, env);
    const char* signature = message != nullptr ? "(Ljava/lang/String;)V" : "()V";
    jmethodID constructor = env->GetMethodID(cls.getJClass(), "<init>", signature);
    if (constructor == nullptr) {
        // The NoSuchMethodError must go: the binding layer leaves no Java exception pending.
        env->ExceptionClear();
        throw NativeppException(std::string("Method not found, name: <init>, signature:") + signature + " of " +
                                className);
    }
    NativeppJObjectLocal text(message != nullptr ? env->NewStringUTF(message) : nullptr, env);
    nativeThrowIfJavaThrown(env);
    jobject made = message != nullptr ? env->NewObject(cls.getJClass(), constructor, text.getJObject())
                                      : env->NewObject(cls.getJClass(), constructor);
    // A constructor that fails throws its own exception instead, as Java's "throw new" does.
    nativeThrowIfJavaThrown(env);
    NativeppJObjectLocal thrown(made, env);
    NativeppObjectClass* nearest = NativeppObjectClass::getFirstKnownClassTree(thrown, env);
    nearest->throwAsNativeException(thrown);
    throw NativeppException(std::string("INTERNAL ERROR, no exception thrown for: ") + className);
}

void NativeppThrowable::nativeThrow(const char* className, const std::string& message, JNIEnv* env) {
    throwNew(className, message.c_str(), env);
}

void NativeppThrowable::nativeThrow(const char* className, const std::string& message) {
    throwNew(className, message.c_str(), NativeppJVM::getJNIEnv());
}

void NativeppThrowable::nativeThrow(const char* className, JNIEnv* env) { throwNew(className, nullptr, env); }

void NativeppThrowable::nativeThrow(const char* className) { throwNew(className, nullptr, NativeppJVM::getJNIEnv()); }

void NativeppThrowable::nativeThrowClassCast(jobject value, const char* className, JNIEnv* env) {
    nativeThrowIfJavaThrown(env);
    NativeppJObjectLocal local(value, 0, env);
    const std::string valueClass = NativeppObjectClass::getClassName(local, env);
    nativeThrow("java/lang/ClassCastException",
                "cannot cast " + NativeppClass::binaryName(valueClass) + " to " + NativeppClass::binaryName(className),
                env);
}

jint NativeppThrowable::javaThrow(NativeppJObjectLocal& throwable, JNIEnv* env) {
    // Called on the way back to Java, often from a catch block at the JNI boundary: a native
    // throw here would escape the native method. An exception already pending goes to Java.
    if (env->ExceptionCheck()) {
        return JNI_ERR;
    }
    // Throw(null) is undefined in JNI; Java itself turns "throw null" into this exception.
    if (throwable.isNull()) {
        jclass npe = env->FindClass("java/lang/NullPointerException");
        if (npe == nullptr) {
            return JNI_ERR;  // FindClass left its own error pending, which reaches Java instead
        }
        const jint result = env->ThrowNew(npe, nullptr);
        env->DeleteLocalRef(npe);
        return result;
    }
    return env->Throw(static_cast<jthrowable>(throwable.getJObject()));
}

jint NativeppThrowable::javaThrow(NativeppObject* throwable, JNIEnv* env) {
    if (env->ExceptionCheck()) {
        return JNI_ERR;
    }
    if (throwable == nullptr) {
        NativeppJObjectLocal empty;
        return javaThrow(empty, env);
    }
    NativeppJObjectLocal local = throwable->nativeppGetJObjectLocalWrapper(env);
    return javaThrow(local, env);
}

jint NativeppThrowable::javaThrow(NativeppObject& throwable, JNIEnv* env) { return javaThrow(&throwable, env); }

jint NativeppThrowable::javaThrow(NativeppObject* throwable) { return javaThrow(throwable, NativeppJVM::getJNIEnv()); }

jint NativeppThrowable::javaThrow(NativeppObject& throwable) { return javaThrow(&throwable, NativeppJVM::getJNIEnv()); }

NativeppObjectClass* NativeppThrowable::getThrowableClass() {
    NativeppObjectClass* cls = throwableClass.load();
    if (cls == nullptr) {
        NativeppObjectClass* found = NativeppObjectClass::getClass("java/lang/Throwable", nullptr);
        // Every thread finds the same descriptor; the first store wins, the others agree.
        throwableClass.compare_exchange_strong(cls, found);
        cls = throwableClass.load();
    }
    return cls;
}

}  // namespace nativepp

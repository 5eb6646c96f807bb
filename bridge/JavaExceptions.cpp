#include "bridge/JavaExceptions.h"

#include "bridge/LocalReference.h"

const char* TarveloNativeExceptionClassName = "com/drovantel/tarvelo/core/TarveloNativeException";
const char* TarveloWin32ExceptionClassName = "com/drovantel/tarvelo/core/TarveloWin32Exception";

namespace {

// FindClass with a pending exception is a JNI error; the earlier exception is the cause
// the Java caller should see, so it is kept. A failed lookup leaves NoClassDefFoundError.
LocalReference<jclass> findClassToRaise(JNIEnv* env, const char* className) {
    if (env->ExceptionCheck()) {
        return {env, nullptr};
    }
    return {env, env->FindClass(className)};
}

// Constructs `className`'s exception with the constructor `signature`, whose first argument
// is the message and whose further arguments are `more`, and throws it.
template <typename... More>
void constructAndThrow(JNIEnv* env, const char* className, const char* signature, const char* message,
                       More... more) {
    LocalReference<jclass> type = findClassToRaise(env, className);
    if (type.isNull()) {
        return;
    }
    jmethodID constructor = env->GetMethodID(type.get(), "<init>", signature);
    if (constructor == nullptr) {
        return;
    }
    LocalReference<jstring> text(env, env->NewStringUTF(message));
    if (text.isNull()) {
        return;
    }
    LocalReference<jthrowable> exception(
        env, static_cast<jthrowable>(env->NewObject(type.get(), constructor, text.get(), more...)));
    if (exception.isNull()) {
        return;
    }
    env->Throw(exception.get());
}

}  // namespace

void ThrowNativeException(JNIEnv* env, const char* message) {
    constructAndThrow(env, TarveloNativeExceptionClassName, "(Ljava/lang/String;)V", message);
}

void ThrowNativeWin32Exception(JNIEnv* env, const char* message, int code) {
    constructAndThrow(env, TarveloWin32ExceptionClassName, "(Ljava/lang/String;I)V", message,
                      static_cast<jint>(code));
}

void ThrowByName(JNIEnv* env, const char* className, const char* message) {
    LocalReference<jclass> type = findClassToRaise(env, className);
    if (!type.isNull()) {
        env->ThrowNew(type.get(), message);
    }
}

int checkException(JNIEnv* env) {
    LocalReference<jthrowable> pending(env, env->ExceptionOccurred());
    return pending.isNull() ? 0 : 1;
}

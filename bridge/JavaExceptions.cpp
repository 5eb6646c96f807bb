#include "bridge/JavaExceptions.h"

const char* TarveloNativeExceptionClassName = "com/drovantel/tarvelo/core/TarveloNativeException";
const char* TarveloWin32ExceptionClassName = "com/drovantel/tarvelo/core/TarveloWin32Exception";

namespace {

// Owns one local reference, so a raise that stops half-way leaves none behind.
template <typename T>
class LocalRef {
public:
    LocalRef(JNIEnv* env, T ref) : env(env), ref(ref) {}
    LocalRef(const LocalRef&) = delete;
    LocalRef& operator=(const LocalRef&) = delete;
    // DeleteLocalRef is one of the calls JNI allows while an exception is pending.
    ~LocalRef() {
        if (ref != nullptr) {
            env->DeleteLocalRef(ref);
        }
    }

    T get() const { return ref; }
    explicit operator bool() const { return ref != nullptr; }

private:
    JNIEnv* env;
    T ref;
};

// FindClass with a pending exception is a JNI error; the earlier exception is the cause
// the Java caller should see, so it is kept. A failed lookup leaves NoClassDefFoundError.
LocalRef<jclass> findClassToRaise(JNIEnv* env, const char* className) {
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
    LocalRef<jclass> type = findClassToRaise(env, className);
    if (!type) {
        return;
    }
    jmethodID constructor = env->GetMethodID(type.get(), "<init>", signature);
    if (constructor == nullptr) {
        return;
    }
    LocalRef<jstring> text(env, env->NewStringUTF(message));
    if (!text) {
        return;
    }
    LocalRef<jthrowable> exception(
        env, static_cast<jthrowable>(env->NewObject(type.get(), constructor, text.get(), more...)));
    if (!exception) {
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
    LocalRef<jclass> type = findClassToRaise(env, className);
    if (type) {
        env->ThrowNew(type.get(), message);
    }
}

int checkException(JNIEnv* env) {
    LocalRef<jthrowable> pending(env, env->ExceptionOccurred());
    return pending ? 1 : 0;
}

#include "nativepp/NativeppBoundary.h"

#include <exception>
#include <string>

#include "nativepp/NativeppClass.h"
#include "nativepp/NativeppException.h"
#include "nativepp/NativeppJClassLocal.h"
#include "nativepp/NativeppJObjectLocal.h"
#include "nativepp/NativeppObjectClass.h"
#include "nativepp/NativeppString.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

namespace {

const char* const unknownEscaped = "an unknown native exception escaped the native method";

// Makes a new className(message) pending; message is UTF-8. Throws when a step fails.
void throwNew(const char* className, const std::string& message, JNIEnv* env) {
    NativeppJClassLocal cls = NativeppClass::getJavaClass(className, env);
    NativeppJObjectLocal text = NativeppString::newJStringWrapper(message, env);
    jmethodID constructor = env->GetMethodID(cls.getJClass(), "<init>", "(Ljava/lang/String;)V");
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    NativeppJObjectLocal made(env->NewObject(cls.getJClass(), constructor, text.getJObject()), env);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    env->Throw(static_cast<jthrowable>(made.getJObject()));
}

// A proxy thrown natively may stand for any Java object; only a throwable may be thrown in Java.
bool isThrowable(NativeppObject& proxy, JNIEnv* env) {
    NativeppJObjectLocal object = proxy.nativeppGetJObjectLocalWrapper(env);
    NativeppObjectClass* throwable = NativeppThrowable::getThrowableClass();
    return object.isNull() || (throwable != nullptr && throwable->isInstanceOf(object, env));
}

// Makes the exception being handled pending in Java, unless one is pending already. Throws
// when that fails.
void makePending(JNIEnv* env) {
    if (env->ExceptionCheck()) {
        return;
    }
    try {
        throw;
    } catch (NativeppObject& proxy) {
        if (isThrowable(proxy, env)) {
            NativeppThrowable::javaThrow(proxy, env);
        } else {
            throwNew("java/lang/Error",
                     std::string(unknownEscaped) + ": a proxy of " +
                         NativeppClass::binaryName(proxy.nativeppGetClass()->getClassName()),
                     env);
        }
    } catch (const NativeppException& e) {
        throwNew("java/lang/RuntimeException",
                 std::string(e.getMessage()) + " (code " + std::to_string(e.getCode()) + ")", env);
    } catch (const std::exception& e) {
        throwNew("java/lang/RuntimeException", e.what(), env);
    } catch (...) {
        throwNew("java/lang/Error", unknownEscaped, env);
    }
}

}  // namespace

void NativeppBoundary::javaThrowCaught(JNIEnv* env) noexcept {
    try {
        makePending(env);
    } catch (...) {
        // Building the Java exception failed natively (a Java OutOfMemoryError thrown as its
        // proxy, say): that failure is reported instead.
        try {
            makePending(env);
        } catch (...) {
            // Nothing native is left to try: an Error made by JNI alone, unless something is
            // pending already.
            if (!env->ExceptionCheck()) {
                jclass error = env->FindClass("java/lang/Error");
                if (error != nullptr) {
                    env->ThrowNew(error, unknownEscaped);
                    env->DeleteLocalRef(error);
                }
            }
        }
    }
}

}  // namespace nativepp

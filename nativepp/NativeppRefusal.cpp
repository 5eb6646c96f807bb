#include "nativepp/NativeppRefusal.h"

#include <utility>

#include "nativepp/NativeppThrowable.h"

namespace nativepp {

namespace {

const char* const classCastException = "java/lang/ClassCastException";

}  // namespace

NativeppRefusal NativeppRefusal::classCast(jobject value, const char* className) {
    NativeppRefusal refusal;
    refusal.exceptionClass = classCastException;
    refusal.value = value;
    refusal.className = className;
    return refusal;
}

NativeppRefusal NativeppRefusal::of(const char* exceptionClass, std::string message) {
    NativeppRefusal refusal;
    refusal.exceptionClass = exceptionClass;
    refusal.message = std::move(message);
    return refusal;
}

void NativeppRefusal::raiseRefused(JNIEnv* env) const {
    if (value != nullptr) {
        NativeppThrowable::nativeThrowClassCast(value, className, env);
    }
    NativeppThrowable::nativeThrow(exceptionClass, message, env);
}

}  // namespace nativepp

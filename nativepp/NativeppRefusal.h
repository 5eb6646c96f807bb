#ifndef NATIVEPP_NATIVEPPREFUSAL_H
#define NATIVEPP_NATIVEPPREFUSAL_H

#include <jni.h>

#include <string>

#include "nativepp/NativeppExport.h"

namespace nativepp {

/// What a binding decided to refuse under a proxy's lock, raised by its caller once the lock
/// is released: making the Java exception runs Java code (its constructor, the value's class
/// name), and no native lock is held across Java code.
/// Owns: the message; not the refused value, which the caller keeps alive until raise().
/// Threads: the deciding thread. Throws: raise() the mapped proxy of the named exception.
class NATIVEPP_EXPORT NativeppRefusal {
public:
    /// Nothing refused.
    NativeppRefusal() = default;

    /// The ClassCastException of value, not null, refused as a className (JNI form).
    static NativeppRefusal classCast(jobject value, const char* className);
    /// A new exceptionClass (JNI form) with message.
    static NativeppRefusal of(const char* exceptionClass, std::string message);

    /// Whether something was refused.
    explicit operator bool() const { return exceptionClass != nullptr; }
    /// Throws the refusal; returns when nothing was refused.
    void raise(JNIEnv* env) const {
        if (exceptionClass != nullptr) {
            raiseRefused(env);
        }
    }

private:
    [[noreturn]] void raiseRefused(JNIEnv* env) const;

    const char* exceptionClass = nullptr;
    jobject value = nullptr;
    const char* className = nullptr;
    std::string message;
};

}  // namespace nativepp

#endif

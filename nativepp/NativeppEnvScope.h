#ifndef NATIVEPP_NATIVEPPENVSCOPE_H
#define NATIVEPP_NATIVEPPENVSCOPE_H

#include <jni.h>

#include "nativepp/NativeppExport.h"

namespace nativepp {

/// While it lives, NativeppJVM::getJNIEnv on this thread answers env without asking the
/// virtual machine, which every proxy operation otherwise does. nativeppBoundary opens one
/// around each native's body: a thread cannot detach while a native method runs on it, so
/// the env Java passed stays the thread's own until the native returns. Scopes nest.
/// Owns: nothing. Threads: the thread that env belongs to, which must stay attached while the
/// scope lives. Throws: never.
class NATIVEPP_EXPORT NativeppEnvScope {
public:
    /// Makes env the thread's environment until the scope ends.
    explicit NativeppEnvScope(JNIEnv* env) noexcept;
    /// Gives back the environment of the enclosing scope, or none.
    ~NativeppEnvScope();

    NativeppEnvScope(const NativeppEnvScope&) = delete;
    NativeppEnvScope& operator=(const NativeppEnvScope&) = delete;

private:
    JNIEnv* previous;
};

}  // namespace nativepp

#endif

#ifndef BRIDGE_NATIVEBARRIER_H
#define BRIDGE_NATIVEBARRIER_H

#include <jni.h>

#include <type_traits>

#include "bridge/JavaExceptions.h"

// Runs the body of a native so that no C++ exception unwinds into the virtual machine,
// which would end the process. What can escape these bodies is a failed allocation: it
// reaches the Java caller as an OutOfMemoryError, and the native returns zero.
template <typename Body>
auto nativeBarrier(JNIEnv* env, Body body) -> decltype(body()) {
    try {
        return body();
    } catch (...) {
        ThrowByName(env, "java/lang/OutOfMemoryError", "out of native memory");
        if constexpr (!std::is_void_v<decltype(body())>) {
            return {};
        }
    }
}

#endif

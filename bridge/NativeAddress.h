#ifndef BRIDGE_NATIVEADDRESS_H
#define BRIDGE_NATIVEADDRESS_H

#include <jni.h>

#include <cstdint>

// A native address travelling through Java as a long: going out the 32-bit pointer is
// sign-extended, coming in only the low 32 bits count.
inline jlong toJavaAddress(const void* address) {
    return static_cast<jlong>(reinterpret_cast<intptr_t>(address));
}

template <typename T = void>
inline T* fromJavaAddress(jlong address) {
    return reinterpret_cast<T*>(static_cast<uintptr_t>(address));
}

#endif

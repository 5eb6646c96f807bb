#ifndef BRIDGE_NATIVEADDRESS_H
#define BRIDGE_NATIVEADDRESS_H

#include <jni.h>

#include <cstddef>
#include <cstdint>

// A native address travelling through Java as a long, at the pointer's width: on i386 the
// 32-bit pointer goes out sign-extended and coming in only the low 32 bits count; on x86-64
// all 64 bits travel both ways.
inline jlong toJavaAddress(const void* address) {
    return static_cast<jlong>(reinterpret_cast<intptr_t>(address));
}

template <typename T = void>
inline T* fromJavaAddress(jlong address) {
    return reinterpret_cast<T*>(static_cast<uintptr_t>(address));
}

// `address` plus `offset` units of `unitSize` bytes. Done in uintptr_t: on i386 only the low
// words count and the sum wraps at 2^32, whatever the high words hold; on x86-64 it is a
// 64-bit sum.
template <typename T = void>
inline T* effectiveAddress(jlong address, jlong offset, std::size_t unitSize = 1) {
    const auto delta = static_cast<uintptr_t>(offset) * static_cast<uintptr_t>(unitSize);
    return reinterpret_cast<T*>(static_cast<uintptr_t>(address) + delta);
}

// A size of bytes the C library can be asked for; false when the value does not fit size_t
// (negative, or 2^32 and above on a 32-bit build) instead of letting it be truncated.
inline bool toByteCount(jlong size, std::size_t* count) {
    if (size < 0 || static_cast<std::uint64_t>(size) > SIZE_MAX) {
        return false;
    }
    *count = static_cast<std::size_t>(size);
    return true;
}

// A length that the caller promises fits: only its low word counts on a 32-bit build.
inline std::size_t lowByteCount(jlong length) { return static_cast<std::size_t>(length); }

#endif

#ifndef TESTS_NATIVE_MEMBERSTESTSUPPORT_H
#define TESTS_NATIVE_MEMBERSTESTSUPPORT_H

#include <jni.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "java/lang/Throwable.h"
#include "tests/native/NativeppTestSupport.h"

// The slash-separated class of the Java throwable that the proxy thrown by operation is
// bound to, or "<no exception>".
template <typename Operation>
std::string thrownJavaClassOf(JNIEnv* env, Operation operation) {
    try {
        operation();
    } catch (java::lang::Throwable& e) {
        return classNameOf(env, e.nativeppGetJObjectGlobal(env).getJObject());
    }
    return "<no exception>";
}

// The bit pattern of a value, to compare NaN payloads and signed zeros exactly.
template <typename T>
std::uint64_t bitsOf(T value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof value);
    return bits;
}

template <typename T>
T fromBits(std::uint64_t bits) {
    T value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// A field or static field ID of a Java class, looked up directly through JNI.
jfieldID javaFieldID(JNIEnv* env, const char* className, const char* name, const char* signature, bool isStatic);
// The class object of className, as a local holder.
nativepp::NativeppJObjectLocal javaClass(JNIEnv* env, const char* className);

#endif

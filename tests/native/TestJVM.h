#ifndef TESTS_NATIVE_TESTJVM_H
#define TESTS_NATIVE_TESTJVM_H

#include <jni.h>

// The JNI version the test JVM is started with; distinct from the default 1.4 so that
// tests can see that NativeppJVM::load took it from the start arguments.
constexpr jint kTestJVMVersion = JNI_VERSION_1_8;

// Starts the JVM with NativeppJVM::load and -Xcheck:jni, and counts its global references
// (JNICallCounter::liveGlobalReferences); throws NativeppException.
void startTestJVM();

#endif

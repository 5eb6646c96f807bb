#ifndef BRIDGE_JAVAEXCEPTIONS_H
#define BRIDGE_JAVAEXCEPTIONS_H

#include <jni.h>

// JNI class paths of the bridge's own exceptions. Read at every raise, so native code may
// point them at other classes with the same constructors.
JNIEXPORT extern const char* TarveloNativeExceptionClassName;  // (String)
JNIEXPORT extern const char* TarveloWin32ExceptionClassName;   // (String, int)

// Each raise leaves one Java exception pending on `env` and returns; the caller returns to
// Java normally. If an exception is already pending, or a step of the raise fails (class not
// found, no such constructor, out of memory), that exception is the one left pending.
JNIEXPORT void ThrowNativeException(JNIEnv* env, const char* message);
JNIEXPORT void ThrowNativeWin32Exception(JNIEnv* env, const char* message, int code);
JNIEXPORT void ThrowByName(JNIEnv* env, const char* className, const char* message);

// 1 while a Java exception is pending on `env`, 0 otherwise; the exception stays pending.
JNIEXPORT int checkException(JNIEnv* env);

#endif

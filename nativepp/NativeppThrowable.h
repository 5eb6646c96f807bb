#ifndef NATIVEPP_NATIVEPPTHROWABLE_H
#define NATIVEPP_NATIVEPPTHROWABLE_H

#include <jni.h>

#include <atomic>

#include "nativepp/NativeppExport.h"

namespace nativepp {

class NativeppJObjectLocal;
class NativeppObject;
class NativeppObjectClass;

// Converts pending Java exceptions into thrown proxies, raises Java-style failures by class
// name, and hands throwable proxies back to Java.
// Owns: nothing (the thrown proxy owns its global reference). Threads: any attached
// thread; pending exceptions are per thread. Throws: the proxy of the nearest registered
// class of the Java throwable, always with nothing left pending; NativeppException when
// no class can be found to throw.
class NATIVEPP_EXPORT NativeppThrowable {
public:
    // Clears a pending Java exception and throws the proxy of its nearest registered class.
    // Every operation of the binding layer that makes JNI calls runs this first, so that an
    // exception the caller's own JNI call left pending is thrown before any other JNI call.
    // Inline: every binding operation runs it at least once, and under emulation a call
    // costs about what the check does.
    static void nativeThrowIfJavaThrown(JNIEnv* env) {
        if (env->ExceptionCheck()) {
            throwPending(env);
        }
    }
    static void nativeThrowIfJavaThrown();

    // Throws a new instance of className's nearest registered class as a proxy; a Java
    // exception already pending is thrown instead.
    [[noreturn]] static void nativeThrow(const char* className, JNIEnv* env);
    [[noreturn]] static void nativeThrow(const char* className);

    // Make the throwable pending in the virtual machine; an empty holder or proxy makes a
    // NullPointerException pending instead, as Java's own throw of null does. Never throws
    // natively: with a Java exception already pending, that one stays pending for Java and
    // the result is JNI_ERR.
    static jint javaThrow(NativeppJObjectLocal& throwable, JNIEnv* env);
    static jint javaThrow(NativeppObject* throwable, JNIEnv* env);
    static jint javaThrow(NativeppObject& throwable, JNIEnv* env);
    static jint javaThrow(NativeppObject* throwable);
    static jint javaThrow(NativeppObject& throwable);

    static NativeppObjectClass* getThrowableClass();

private:
    // Clears the pending exception and throws it as its proxy.
    [[noreturn]] static void throwPending(JNIEnv* env);

    static std::atomic<NativeppObjectClass*> throwableClass;
};

}  // namespace nativepp

#endif

#ifndef NATIVEPP_NATIVEPPTHROWABLE_H
#define NATIVEPP_NATIVEPPTHROWABLE_H

#include <jni.h>

#include <atomic>
#include <string>

#include "nativepp/NativeppExport.h"

namespace nativepp {

class NativeppJObjectLocal;
class NativeppObject;
class NativeppObjectClass;

/// Converts pending Java exceptions into thrown proxies, raises Java-style failures by class
/// name, and hands throwable proxies back to Java.
/// Owns: nothing (the thrown proxy owns its global reference). Threads: any attached
/// thread; pending exceptions are per thread. Throws: the proxy of the nearest registered
/// class of the Java throwable, always with nothing left pending; NativeppException when
/// no class can be found to throw.
class NATIVEPP_EXPORT NativeppThrowable {
public:
    /// Clears a pending Java exception and throws the proxy of its nearest registered class.
    /// The binding layer runs this after each JNI call that can raise, and first in operations
    /// that allocate, look up a class or an ID, or run a constructor, so that an exception the
    /// caller's own JNI code left pending is thrown there before any other JNI call. Member
    /// accesses through cached IDs (calls, field reads and writes, element and region copies)
    /// do not test for one first: entering them with an exception pending is the caller's JNI
    /// error, which -Xcheck:jni reports, and a test would cost a transition into the virtual
    /// machine on every access.
    /// Inline: every binding operation runs it at least once, and under emulation a call
    /// costs about what the check does.
    static void nativeThrowIfJavaThrown(JNIEnv* env) {
        if (env->ExceptionCheck()) {
            throwPending(env);
        }
    }
    /// As nativeThrowIfJavaThrown(env), with the calling thread's environment.
    static void nativeThrowIfJavaThrown();

    /// Throws a new Java object of className itself (JNI form, "java/lang/ClassCastException")
    /// as the proxy of its nearest registered class, so callers catch the usual proxy types
    /// while Java sees the named class; a Java exception already pending is thrown instead.
    /// message is in modified UTF-8, as JNI's names are; the forms without one leave the
    /// Java message null.
    ///@{
    [[noreturn]] static void nativeThrow(const char* className, const std::string& message, JNIEnv* env);
    [[noreturn]] static void nativeThrow(const char* className, const std::string& message);
    [[noreturn]] static void nativeThrow(const char* className, JNIEnv* env);
    [[noreturn]] static void nativeThrow(const char* className);
    ///@}
    /// The ClassCastException of value, not null, refused as a className (JNI form).
    [[noreturn]] static void nativeThrowClassCast(jobject value, const char* className, JNIEnv* env);

    /// Make the throwable pending in the virtual machine; an empty holder or proxy makes a
    /// NullPointerException pending instead, as Java's own throw of null does. Never throws
    /// natively: with a Java exception already pending, that one stays pending for Java and
    /// the result is JNI_ERR.
    ///@{
    static jint javaThrow(NativeppJObjectLocal& throwable, JNIEnv* env);
    static jint javaThrow(NativeppObject* throwable, JNIEnv* env);
    static jint javaThrow(NativeppObject& throwable, JNIEnv* env);
    static jint javaThrow(NativeppObject* throwable);
    static jint javaThrow(NativeppObject& throwable);
    ///@}

    /// The descriptor of java.lang.Throwable, the class a raised exception falls back to.
    static NativeppObjectClass* getThrowableClass();

private:
    /// Clears the pending exception and throws it as its proxy.
    [[noreturn]] static void throwPending(JNIEnv* env);
    /// Makes the new throwable of className, with message unless it is null, and throws it.
    [[noreturn]] static void throwNew(const char* className, const char* message, JNIEnv* env);

    static std::atomic<NativeppObjectClass*> throwableClass;
};

}  // namespace nativepp

#endif

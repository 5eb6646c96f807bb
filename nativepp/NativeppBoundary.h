#ifndef NATIVEPP_NATIVEPPBOUNDARY_H
#define NATIVEPP_NATIVEPPBOUNDARY_H

#include <jni.h>

#include <type_traits>

#include "nativepp/NativeppEnvScope.h"
#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppObject.h"

namespace nativepp {

/// Turns the native exception being handled into a pending Java exception, for natives that
/// must not let anything native reach the virtual machine.
/// Owns: nothing. Threads: the thread of the native call, with its own env. Throws: never.
///
/// How each native exception reaches Java:
/// - a proxy of a Java throwable: that very Java object (an empty proxy: a
///   java.lang.NullPointerException, as Java's own "throw null");
/// - NativeppException: a java.lang.RuntimeException saying "message (code N)";
/// - std::exception: a java.lang.RuntimeException with its what(), read as UTF-8;
/// - anything else, a proxy of a class that is no throwable included: a java.lang.Error saying
///   that an unknown native exception escaped the native method.
/// A Java exception that is already pending is left as it is: it is the one Java sees.
class NATIVEPP_EXPORT NativeppBoundary {
public:
    /// Makes the exception that the enclosing catch handler is handling pending in Java.
    /// Call it only inside a catch handler, and return to Java soon after: from here on only
    /// the JNI calls that a pending exception allows may be made. When building the Java
    /// exception fails (no memory, say), the failure itself is what Java sees.
    static void javaThrowCaught(JNIEnv* env) noexcept;
};

/// Runs a native's body and returns what it returns; on any native exception, returns a
/// value-initialised result (0, false, null; nothing for void) with a Java exception pending.
/// The body runs in a NativeppEnvScope of env, so its proxies use env without asking the
/// virtual machine for it; env must be the env the native was called with.
/// Owns: nothing. Threads: the thread of the native call, with its own env. Throws: never.
///
///     extern "C" JNIEXPORT jint JNICALL Java_com_example_Parser_parse(JNIEnv* env, jclass, jstring
/// text) {
///         return nativepp::nativeppBoundary(env, [&] { return java::lang::Integer::parseInt(text);
/// });
///     }
///
/// The body returns what the native returns: a primitive, a JNI reference (a proxy's
/// nativeppNewLocalRef) or nothing. NativeppBoundary::javaThrowCaught says which Java
/// exception each native exception becomes.
template <typename Body>
auto nativeppBoundary(JNIEnv* env, Body&& body) noexcept -> decltype(body()) {
    using Result = decltype(body());
    static_assert(!std::is_base_of_v<NativeppObject, std::remove_cv_t<std::remove_reference_t<Result>>>,
                  "a native returns a JNI reference: return nativeppNewLocalRef<jstring>(proxy, env) or the like");
    NativeppEnvScope scope(env);
    try {
        return body();
    } catch (...) {
        NativeppBoundary::javaThrowCaught(env);
    }
    if constexpr (!std::is_void_v<Result>) {
        return Result{};
    }
}

/// A new JNI local reference to the proxy's Java object, typed as the native's result
/// (jobject, jstring, jthrowable, ...); null for an empty proxy.
/// Owns: nothing; the reference belongs to the caller, and a native that returns it hands it
/// to Java. Threads: the thread of env. Throws: what reading the proxy's reference throws.
///
///     java::lang::String greeting = java::lang::String("Hello, ") + name;
///     return nativepp::nativeppNewLocalRef<jstring>(greeting, env);
template <typename JniReference = jobject>
JniReference nativeppNewLocalRef(NativeppObject& proxy, JNIEnv* env) {
    static_assert(std::is_pointer_v<JniReference> &&
                      std::is_base_of_v<_jobject, std::remove_pointer_t<JniReference>>,
                  "a JNI reference type: jobject, jstring, jclass, jthrowable, jobjectArray, ...");
    return static_cast<JniReference>(proxy.nativeppGetJObjectLocal(env));
}

/// The function behind a JNI native registered with RegisterNatives: it calls Function,
/// written as a native without a boundary (JNIEnv* first), inside nativeppBoundary.
/// Owns: nothing. Threads: any thread that calls the native. Throws: never.
template <auto Function>
class NativeppBoundaryNative;

/// NativeppBoundaryNative for a plain JNI function: Result (*)(JNIEnv*, Args...).
template <typename Result, typename... Args, Result (*Function)(JNIEnv*, Args...)>
class NativeppBoundaryNative<Function> {
public:
    /// The native itself: Function(env, args...) inside nativeppBoundary.
    static Result JNICALL call(JNIEnv* env, Args... args) noexcept {
        return nativeppBoundary(env, [&]() -> Result { return Function(env, args...); });
    }
};

/// A RegisterNatives table entry for Function, called through NativeppBoundaryNative.
/// name and signature are JNI's (modified UTF-8) and must outlive the RegisterNatives call.
///
///     const JNINativeMethod methods[] = {
///         nativepp::nativeppNativeMethod<&parse>("parse", "(Ljava/lang/String;)I"),
///     };
///     env->RegisterNatives(parserClass, methods, 1);
template <auto Function>
JNINativeMethod nativeppNativeMethod(const char* name, const char* signature) {
    // JNI declares the two names char* but only reads them.
    return JNINativeMethod{const_cast<char*>(name), const_cast<char*>(signature),
                           reinterpret_cast<void*>(&NativeppBoundaryNative<Function>::call)};
}

}  // namespace nativepp

#endif

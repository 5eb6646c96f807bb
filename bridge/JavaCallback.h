#ifndef BRIDGE_JAVACALLBACK_H
#define BRIDGE_JAVACALLBACK_H

#include <jni.h>

#include <memory>

#include "bridge/NativeEntryPoint.h"
#include "bridge/WeakReference.h"

// A registered Java callback: native code holding its address calls the entry point of the
// callback's result type, which invokes the Java method of the same name on the referent of
// a Java reference object, passing the address of the native argument block.
class JavaCallback {
public:
    // Number of entries in the method tables; entry 0 is unused.
    static constexpr int kTypeCount = 11;

    // A new callback, or null with a Java exception pending: IllegalArgumentException for a
    // type index outside 1..10, or the exception of a failed lookup.
    static JavaCallback* callbackRegister(JNIEnv* env, jobject caller, jobject referenceObject, jint typeIndex,
                                          jint extra);
    // 0 for a zero handle; otherwise releases the callback and returns 1.
    static jint callbackUnregister(JNIEnv* env, jlong handle);
    // The callback method of `typeIndex` in the class of `caller`. Looked up on every
    // registration, because an ID found in one class is not valid on objects of another.
    static jmethodID getMethodId(JNIEnv* env, jobject caller, jint typeIndex);
    static bool isTypeIndex(jint typeIndex) { return typeIndex > 0 && typeIndex < kTypeCount; }

    JavaCallback(JNIEnv* env, jobject caller, jobject referenceObject, jint typeIndex, jint extra);
    ~JavaCallback();
    JavaCallback(const JavaCallback&) = delete;
    JavaCallback& operator=(const JavaCallback&) = delete;

    void free(JNIEnv* env);
    /// The index given at registration, 1..10: which onCall… member serves the callback.
    jint typeIndex() const { return m_typeIndex; }

    void onCallVoid(void* args);
    jboolean onCallBoolean(void* args);
    jbyte onCallByte(void* args);
    jchar onCallChar(void* args);
    jshort onCallShort(void* args);
    jint onCallInt(void* args);
    jlong onCallLong(void* args);
    jfloat onCallFloat(void* args);
    jdouble onCallDouble(void* args);
    void* onCallPointer(void* args);

private:
    template <typename Result, Result (JNIEnv::*call)(jobject, jmethodID, ...)>
    Result callJava(void* args);

    std::unique_ptr<WeakReference> m_target;
    jmethodID m_callMethodId;
    jint m_typeIndex;
    jint m_extra;  // kept for the Java side, never read here

    static const char* const m_javaMethod[kTypeCount];
    static const char* const m_javaSignature[kTypeCount];
};

// The entry points for native callers (onCallVoid … onCallPointer) are declared in the
// installed header, so that the library's definitions are checked against what callers see.
#include "tarvelo/tarvelo.h"

#endif

#include "nativepp/NativeppArray.h"

#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppObject.h"
#include "nativepp/NativeppObjectClass.h"
#include "nativepp/NativeppObjectHelper.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

namespace {

template <typename JArray>
NativeppJObjectLocal newArray(int n, JNIEnv* env, JArray (JNIEnv::*make)(jsize)) {
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    NativeppJObjectLocal made((env->*make)(n), env);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return made;
}

// Native is the binding layer's element type, Jni the JNI one: they differ only for Java long
// on x86-64 (long long against long), two names of one 64-bit representation that the JVM
// copies as bytes.
template <typename Native, typename Jni>
Jni* asJni(Native* buffer) {
    static_assert(sizeof(Native) == sizeof(Jni) && alignof(Native) == alignof(Jni), "one representation");
    return reinterpret_cast<Jni*>(buffer);
}

template <typename Native, typename JArray, typename Jni>
Native* getRegion(NativeppObject* array, int start, int count, Native* buffer, JNIEnv* env,
                  void (JNIEnv::*get)(JArray, jsize, jsize, Jni*)) {
    const NativeppSharedJObjectGlobal target = NativeppObjectHelper::getJObjectGlobalNotNull(array, env);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    (env->*get)(static_cast<JArray>(target.getJObject()), start, count, asJni<Native, Jni>(buffer));
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return buffer;
}

template <typename Native, typename JArray, typename Jni>
void setRegion(NativeppObject* array, int start, int count, const Native* buffer, JNIEnv* env,
               void (JNIEnv::*set)(JArray, jsize, jsize, const Jni*)) {
    const NativeppSharedJObjectGlobal target = NativeppObjectHelper::getJObjectGlobalNotNull(array, env);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    (env->*set)(static_cast<JArray>(target.getJObject()), start, count, asJni<const Native, const Jni>(buffer));
    NativeppThrowable::nativeThrowIfJavaThrown(env);
}

}  // namespace

NativeppArray::NativeppArray() : length(-1) {}

NativeppArray::~NativeppArray() {}

NativeppJObjectLocal NativeppArray::newObjectArray(int n, NativeppObjectClass* arrayClass, JNIEnv* env) {
    jclass elementClass = arrayClass->getArrayClassElement()->getJClass(env)->getJClass();
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    NativeppJObjectLocal made(env->NewObjectArray(n, elementClass, nullptr), env);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return made;
}

NativeppJObjectLocal NativeppArray::newObjectArray(int n, NativeppObjectClass* arrayClass) {
    return newObjectArray(n, arrayClass, NativeppJVM::getJNIEnv());
}

#define NATIVEPP_ARRAY_KIND(KIND, NATIVE, JARRAY)                                                   \
    NativeppJObjectLocal NativeppArray::new##KIND##Array(int n, JNIEnv* env) {                      \
        return newArray(n, env, &JNIEnv::New##KIND##Array);                                         \
    }                                                                                               \
    NativeppJObjectLocal NativeppArray::new##KIND##Array(int n) {                                   \
        return new##KIND##Array(n, NativeppJVM::getJNIEnv());                                       \
    }                                                                                               \
    NATIVE* NativeppArray::get##KIND##Array(NativeppObject* array, int start, int count, NATIVE* buffer, JNIEnv* env) { \
        return getRegion<NATIVE, JARRAY>(array, start, count, buffer, env, &JNIEnv::Get##KIND##ArrayRegion); \
    }                                                                                               \
    NATIVE* NativeppArray::get##KIND##Array(NativeppObject* array, int start, int count, NATIVE* buffer) { \
        return get##KIND##Array(array, start, count, buffer, NativeppJVM::getJNIEnv());             \
    }                                                                                               \
    void NativeppArray::set##KIND##Array(NativeppObject* array, int start, int count, const NATIVE* buffer, \
                                         JNIEnv* env) {                                             \
        setRegion<NATIVE, JARRAY>(array, start, count, buffer, env, &JNIEnv::Set##KIND##ArrayRegion); \
    }                                                                                               \
    void NativeppArray::set##KIND##Array(NativeppObject* array, int start, int count, const NATIVE* buffer) { \
        set##KIND##Array(array, start, count, buffer, NativeppJVM::getJNIEnv());                    \
    }

NATIVEPP_ARRAY_KIND(Boolean, unsigned char, jbooleanArray)
NATIVEPP_ARRAY_KIND(Byte, signed char, jbyteArray)
NATIVEPP_ARRAY_KIND(Char, unsigned short, jcharArray)
NATIVEPP_ARRAY_KIND(Short, short, jshortArray)
NATIVEPP_ARRAY_KIND(Int, int, jintArray)
NATIVEPP_ARRAY_KIND(Long, long long, jlongArray)
NATIVEPP_ARRAY_KIND(Float, float, jfloatArray)
NATIVEPP_ARRAY_KIND(Double, double, jdoubleArray)

int NativeppArray::getArrayLength(jobject array, JNIEnv* env) {
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    const jsize n = env->GetArrayLength(static_cast<jarray>(array));
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return n;
}

void NativeppArray::updateArray(JNIEnv* env) {
    const NativeppSharedJObjectGlobal now = getParent()->nativeppGetJObjectGlobal(env);
    if (now.getHolder() == currentArray) {
        return;
    }
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    // IsSameObject raises nothing.
    if (env->IsSameObject(getCurrentArray(), now.getJObject())) {
        currentArray = now.getHolder();
        return;
    }
    freeArray();
    currentArray.reset();
    if (now.isNull()) {
        return;
    }
    currentArray = now.getHolder();
    try {
        createArrayIfNeeded(env);
    } catch (...) {
        // Nothing half made stays: the next access tries again.
        freeArray();
        currentArray.reset();
        throw;
    }
}

void NativeppArray::checkIndex(int i, JNIEnv* env) {
    if (i < 0 || i >= length) {
        NativeppThrowable::nativeThrow("java/lang/ArrayIndexOutOfBoundsException", env);
    }
}

NativeppObjectMgr* NativeppArray::getObjectMgr(JNIEnv* env) { return getParent()->nativeppGetObjectMgr(env); }

}  // namespace nativepp

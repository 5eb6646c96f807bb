#include "nativepp/NativeppArray.h"

#include <string>

#include "nativepp/NativeppClass.h"
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

// One per primitive kind: the class of its arrays, for the element type check.
NativeppClass booleanArrayClass("[Z", "[Z");
NativeppClass byteArrayClass("[B", "[B");
NativeppClass charArrayClass("[C", "[C");
NativeppClass shortArrayClass("[S", "[S");
NativeppClass intArrayClass("[I", "[I");
NativeppClass longArrayClass("[J", "[J");
NativeppClass floatArrayClass("[F", "[F");
NativeppClass doubleArrayClass("[D", "[D");

const char* elementName(char code) {
    switch (code) {
        case 'Z': return "boolean";
        case 'B': return "byte";
        case 'C': return "char";
        case 'S': return "short";
        case 'I': return "int";
        case 'J': return "long";
        case 'F': return "float";
        default: return "double";
    }
}

// A region call trusts its array's element type: on another array it reads or writes past
// the elements, into the next object. A proxy of the array class itself holds nothing else
// (every binding checks the class), so only other proxies cost the check.
void checkElementType(NativeppObject* array, jobject target, NativeppClass& arrayClass, JNIEnv* env) {
    // Both signatures are "[" and one letter: compared inline, as on every element access.
    const char* proxySignature = array->nativeppGetClass()->getSignature();
    const char* arraySignature = arrayClass.getSignature();
    if (proxySignature[0] == '[' && proxySignature[1] == arraySignature[1] && proxySignature[2] == '\0') {
        return;
    }
    const jclass expected = arrayClass.getJClass(env)->getJClass();
    const jboolean fits = env->IsInstanceOf(target, expected);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    if (!fits) {
        NativeppThrowable::nativeThrow("java/lang/ArrayStoreException",
                                       std::string("the array is not a ") + elementName(arrayClass.getSignature()[1]) +
                                           "[]",
                                       env);
    }
}

// Native is the binding layer's element type, Jni the JNI one: they differ only for Java long
// on x86-64 (long long against long), two names of one 64-bit representation that the JVM
// copies as bytes.
// The length of target's array, read once per reference: an array's length never changes.
int knownLength(const NativeppSharedJObjectGlobal& target, JNIEnv* env) {
    int n = target.knownArrayLength();
    if (n < 0) {
        n = NativeppArray::getArrayLength(target.getJObject(), env);
        target.get()->rememberArrayLength(n);
    }
    return n;
}

// A region call raises nothing but ArrayIndexOutOfBoundsException, for exactly these ranges.
bool outside(int start, int count, int length) { return start < 0 || count < 0 || start > length - count; }

template <typename Native, typename Jni>
Jni* asJni(Native* buffer) {
    static_assert(sizeof(Native) == sizeof(Jni) && alignof(Native) == alignof(Jni), "one representation");
    return reinterpret_cast<Jni*>(buffer);
}

template <typename Native, typename JArray, typename Jni>
Native* getRegion(NativeppObject* array, int start, int count, Native* buffer, JNIEnv* env,
                  NativeppClass& arrayClass, void (JNIEnv::*get)(JArray, jsize, jsize, Jni*)) {
    const NativeppSharedJObjectGlobal target = NativeppObjectHelper::getJObjectGlobalNotNull(array, env);
    checkElementType(array, target.getJObject(), arrayClass, env);
    const int length = knownLength(target, env);
    (env->*get)(static_cast<JArray>(target.getJObject()), start, count, asJni<Native, Jni>(buffer));
    if (outside(start, count, length)) {
        NativeppThrowable::nativeThrowIfJavaThrown(env);
    }
    return buffer;
}

template <typename Native, typename JArray, typename Jni>
void setRegion(NativeppObject* array, int start, int count, const Native* buffer, JNIEnv* env,
               NativeppClass& arrayClass, void (JNIEnv::*set)(JArray, jsize, jsize, const Jni*)) {
    const NativeppSharedJObjectGlobal target = NativeppObjectHelper::getJObjectGlobalNotNull(array, env);
    checkElementType(array, target.getJObject(), arrayClass, env);
    const int length = knownLength(target, env);
    (env->*set)(static_cast<JArray>(target.getJObject()), start, count, asJni<const Native, const Jni>(buffer));
    if (outside(start, count, length)) {
        NativeppThrowable::nativeThrowIfJavaThrown(env);
    }
}

}  // namespace

NativeppArray::NativeppArray() {}

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

#define NATIVEPP_ARRAY_KIND(KIND, NATIVE, JARRAY, ARRAY_CLASS)                                      \
    NativeppJObjectLocal NativeppArray::new##KIND##Array(int n, JNIEnv* env) {                      \
        return newArray(n, env, &JNIEnv::New##KIND##Array);                                         \
    }                                                                                               \
    NativeppJObjectLocal NativeppArray::new##KIND##Array(int n) {                                   \
        return new##KIND##Array(n, NativeppJVM::getJNIEnv());                                       \
    }                                                                                               \
    NATIVE* NativeppArray::get##KIND##Array(NativeppObject* array, int start, int count, NATIVE* buffer, JNIEnv* env) { \
        return getRegion<NATIVE, JARRAY>(array, start, count, buffer, env, ARRAY_CLASS,             \
                                         &JNIEnv::Get##KIND##ArrayRegion);                          \
    }                                                                                               \
    NATIVE* NativeppArray::get##KIND##Array(NativeppObject* array, int start, int count, NATIVE* buffer) { \
        return get##KIND##Array(array, start, count, buffer, NativeppJVM::getJNIEnv());             \
    }                                                                                               \
    void NativeppArray::set##KIND##Array(NativeppObject* array, int start, int count, const NATIVE* buffer, \
                                         JNIEnv* env) {                                             \
        setRegion<NATIVE, JARRAY>(array, start, count, buffer, env, ARRAY_CLASS, &JNIEnv::Set##KIND##ArrayRegion); \
    }                                                                                               \
    void NativeppArray::set##KIND##Array(NativeppObject* array, int start, int count, const NATIVE* buffer) { \
        set##KIND##Array(array, start, count, buffer, NativeppJVM::getJNIEnv());                    \
    }

NATIVEPP_ARRAY_KIND(Boolean, unsigned char, jbooleanArray, booleanArrayClass)
NATIVEPP_ARRAY_KIND(Byte, signed char, jbyteArray, byteArrayClass)
NATIVEPP_ARRAY_KIND(Char, unsigned short, jcharArray, charArrayClass)
NATIVEPP_ARRAY_KIND(Short, short, jshortArray, shortArrayClass)
NATIVEPP_ARRAY_KIND(Int, int, jintArray, intArrayClass)
NATIVEPP_ARRAY_KIND(Long, long long, jlongArray, longArrayClass)
NATIVEPP_ARRAY_KIND(Float, float, jfloatArray, floatArrayClass)
NATIVEPP_ARRAY_KIND(Double, double, jdoubleArray, doubleArrayClass)

int NativeppArray::getArrayLength(jobject array, JNIEnv* env) {
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    if (array == nullptr) {
        NativeppThrowable::nativeThrow("java/lang/NullPointerException", "the length of a null array", env);
    }
    // GetArrayLength raises nothing.
    return env->GetArrayLength(static_cast<jarray>(array));
}

void NativeppArray::checkIndex(int i, int length, JNIEnv* env) {
    if (i < 0 || i >= length) {
        NativeppThrowable::nativeThrow("java/lang/ArrayIndexOutOfBoundsException",
                                       "index " + std::to_string(i) + " out of bounds for length " +
                                           std::to_string(length),
                                       env);
    }
}

int NativeppArray::lengthOf(const NativeppSharedJObjectGlobal& array, JNIEnv* env) {
    return array.isNull() ? -1 : knownLength(array, env);
}

NativeppObjectMgr* NativeppArray::getObjectMgr(JNIEnv* env) { return getParent()->nativeppGetObjectMgr(env); }

}  // namespace nativepp

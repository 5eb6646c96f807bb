#include "nativepp/NativeppString.h"

#include <cwchar>
#include <vector>

#include "nativepp/NativeppException.h"
#include "nativepp/NativeppObject.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

jobject NativeppString::newJString(const char* s, JNIEnv* env) {
    jstring result = env->NewStringUTF(s);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return result;
}

jobject NativeppString::newJString(const wchar_t* s, JNIEnv* env) {
    const size_t length = wcslen(s);
    // Keeps the low 16 bits: a code point above U+FFFF does not survive.
    std::vector<jchar> units(s, s + length);
    jstring result = env->NewString(units.data(), static_cast<jsize>(length));
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return result;
}

jobject NativeppString::newJString(const std::string& s, JNIEnv* env) { return newJString(s.c_str(), env); }

jobject NativeppString::newJString(const std::wstring& s, JNIEnv* env) { return newJString(s.c_str(), env); }

NativeppJObjectLocal NativeppString::newJStringWrapper(const char* s, JNIEnv* env) {
    return NativeppJObjectLocal(newJString(s, env), env);
}

NativeppJObjectLocal NativeppString::newJStringWrapper(const wchar_t* s, JNIEnv* env) {
    return NativeppJObjectLocal(newJString(s, env), env);
}

NativeppJObjectLocal NativeppString::newJStringWrapper(const std::string& s, JNIEnv* env) {
    return NativeppJObjectLocal(newJString(s, env), env);
}

NativeppJObjectLocal NativeppString::newJStringWrapper(const std::wstring& s, JNIEnv* env) {
    return NativeppJObjectLocal(newJString(s, env), env);
}

std::string NativeppString::getStringUTFChars(NativeppJObjectLocal& s, JNIEnv* env) {
    s.checkNotNull();
    jstring str = static_cast<jstring>(s.getJObject());
    jboolean isCopy = JNI_FALSE;
    const char* chars = env->GetStringUTFChars(str, &isCopy);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    if (chars == nullptr) {
        throw NativeppException("Failed JNIEnv::GetStringUTFChars()");
    }
    std::string result(chars);
    env->ReleaseStringUTFChars(str, chars);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return result;
}

std::string NativeppString::getStringUTFChars(NativeppObject* s, JNIEnv* env) {
    NativeppJObjectLocal local = s->nativeppGetJObjectLocalWrapper(env);
    return getStringUTFChars(local, env);
}

std::wstring NativeppString::getStringChars(NativeppJObjectLocal& s, JNIEnv* env) {
    s.checkNotNull();
    jstring str = static_cast<jstring>(s.getJObject());
    jboolean isCopy = JNI_FALSE;
    const jchar* chars = env->GetStringChars(str, &isCopy);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    if (chars == nullptr) {
        throw NativeppException("Failed JNIEnv::GetStringChars()");
    }
    const jsize length = env->GetStringLength(str);
    std::vector<wchar_t> widened(chars, chars + length);
    widened.push_back(0);
    // Ends at the first U+0000, as a C wide string would.
    std::wstring result(widened.data());
    env->ReleaseStringChars(str, chars);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return result;
}

std::wstring NativeppString::getStringChars(NativeppObject* s, JNIEnv* env) {
    NativeppJObjectLocal local = s->nativeppGetJObjectLocalWrapper(env);
    return getStringChars(local, env);
}

}  // namespace nativepp

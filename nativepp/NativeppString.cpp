#include "nativepp/NativeppString.h"

#include <cstring>
#include <cwchar>
#include <vector>

#include "nativepp/NativeppObject.h"
#include "nativepp/NativeppThrowable.h"
#include "nativepp/NativeppUtf.h"

namespace nativepp {

namespace {

jobject newJavaString(const std::vector<jchar>& units, JNIEnv* env) {
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    jstring result = env->NewString(units.data(), static_cast<jsize>(units.size()));
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return result;
}

std::vector<jchar> unitsOf(NativeppJObjectLocal& s, JNIEnv* env) {
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    s.checkNotNull();
    std::vector<jchar> units = NativeppUtf::unitsOf(static_cast<jstring>(s.getJObject()), env);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return units;
}

}  // namespace

jobject NativeppString::newJString(const char* s, JNIEnv* env) {
    if (s == nullptr) {
        return nullptr;
    }
    return newJavaString(NativeppUtf::utf16FromUtf8(s, std::strlen(s)), env);
}

jobject NativeppString::newJString(const wchar_t* s, JNIEnv* env) {
    if (s == nullptr) {
        return nullptr;
    }
    return newJavaString(NativeppUtf::utf16FromUtf32(s, std::wcslen(s)), env);
}

jobject NativeppString::newJString(const std::string& s, JNIEnv* env) {
    return newJavaString(NativeppUtf::utf16FromUtf8(s.data(), s.size()), env);
}

jobject NativeppString::newJString(const std::wstring& s, JNIEnv* env) {
    return newJavaString(NativeppUtf::utf16FromUtf32(s.data(), s.size()), env);
}

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
    const std::vector<jchar> units = unitsOf(s, env);
    return NativeppUtf::utf8FromUtf16(units.data(), units.size());
}

std::string NativeppString::getStringUTFChars(NativeppObject* s, JNIEnv* env) {
    NativeppJObjectLocal local = s->nativeppGetJObjectLocalWrapper(env);
    return getStringUTFChars(local, env);
}

std::wstring NativeppString::getStringChars(NativeppJObjectLocal& s, JNIEnv* env) {
    const std::vector<jchar> units = unitsOf(s, env);
    return NativeppUtf::utf32FromUtf16(units.data(), units.size());
}

std::wstring NativeppString::getStringChars(NativeppObject* s, JNIEnv* env) {
    NativeppJObjectLocal local = s->nativeppGetJObjectLocalWrapper(env);
    return getStringChars(local, env);
}

}  // namespace nativepp

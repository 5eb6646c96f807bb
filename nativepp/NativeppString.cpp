#include "nativepp/NativeppString.h"

#include <cwchar>
#include <vector>

#include "nativepp/NativeppException.h"
#include "nativepp/NativeppObject.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

namespace {

// Owns the characters that GetStringUTFChars or GetStringChars hands out, so that they go
// back to the virtual machine also when copying them raises (std::bad_alloc).
template <typename Char, const Char* (JNIEnv::*Get)(jstring, jboolean*), void (JNIEnv::*Release)(jstring, const Char*)>
class JavaStringChars {
public:
    JavaStringChars(jstring str, JNIEnv* env) : str(str), env(env), chars((env->*Get)(str, nullptr)) {}
    ~JavaStringChars() { release(); }

    JavaStringChars(const JavaStringChars&) = delete;
    JavaStringChars& operator=(const JavaStringChars&) = delete;

    const Char* get() const { return chars; }

    void release() {
        if (chars != nullptr) {
            (env->*Release)(str, chars);
            chars = nullptr;
        }
    }

private:
    jstring str;
    JNIEnv* env;
    const Char* chars;
};

using ModifiedUtf8Chars = JavaStringChars<char, &JNIEnv::GetStringUTFChars, &JNIEnv::ReleaseStringUTFChars>;
using Utf16Chars = JavaStringChars<jchar, &JNIEnv::GetStringChars, &JNIEnv::ReleaseStringChars>;

}  // namespace

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
    ModifiedUtf8Chars chars(str, env);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    if (chars.get() == nullptr) {
        throw NativeppException("Failed JNIEnv::GetStringUTFChars()");
    }
    std::string result(chars.get());
    chars.release();
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
    Utf16Chars chars(str, env);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    if (chars.get() == nullptr) {
        throw NativeppException("Failed JNIEnv::GetStringChars()");
    }
    const jsize length = env->GetStringLength(str);
    std::vector<wchar_t> widened(chars.get(), chars.get() + length);
    widened.push_back(0);
    // Ends at the first U+0000, as a C wide string would.
    std::wstring result(widened.data());
    chars.release();
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return result;
}

std::wstring NativeppString::getStringChars(NativeppObject* s, JNIEnv* env) {
    NativeppJObjectLocal local = s->nativeppGetJObjectLocalWrapper(env);
    return getStringChars(local, env);
}

}  // namespace nativepp

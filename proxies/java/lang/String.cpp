#include "java/lang/String.h"

#include "nativepp/NativeppString.h"

namespace java {
namespace lang {

NATIVEPP_PROXY_DEFINITIONS(String, "java/lang/String", "Ljava/lang/String;", 0, 7, 46, nativepp::NativeppObject(), Object())

String::String(nativepp::NativeppNewInstanceParamDiscriminator&) NATIVEPP_PROXY_JAVA_CONSTRUCTOR_BODY(0, "()V")

String::String(jstring& obj, nativepp::NativeppNewInstanceParamDiscriminator&) {
    nativeppInitFields();
    nativeppInitObject(obj);
}

String::String(jstring& obj) {
    nativeppInitFields();
    nativeppInitObjectReference(obj);
}

String& String::operator=(jstring& obj) {
    nativeppAssign(obj);
    return *this;
}

#define NATIVEPP_STRING_FROM_TEXT(TEXT_TYPE)                                                       \
    String::String(TEXT_TYPE text) {                                                               \
        nativeppInitFields();                                                                      \
        JNIEnv* env = nativeppGetJNIEnv();                                                         \
        nativeppInitObjectReference(nativepp::NativeppString::newJStringWrapper(text, env), env);  \
    }                                                                                              \
    String& String::operator=(TEXT_TYPE text) {                                                    \
        JNIEnv* env = nativeppGetJNIEnv();                                                         \
        nativeppAssign(nativepp::NativeppString::newJStringWrapper(text, env), env);               \
        return *this;                                                                              \
    }

NATIVEPP_STRING_FROM_TEXT(const char*)
NATIVEPP_STRING_FROM_TEXT(const wchar_t*)
NATIVEPP_STRING_FROM_TEXT(const std::string&)
NATIVEPP_STRING_FROM_TEXT(const std::wstring&)

String::operator std::string() { return nativepp::NativeppString::getStringUTFChars(this, nativeppGetJNIEnv()); }

String::operator std::wstring() { return nativepp::NativeppString::getStringChars(this, nativeppGetJNIEnv()); }

}  // namespace lang
}  // namespace java

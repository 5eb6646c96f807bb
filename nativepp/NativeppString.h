#ifndef NATIVEPP_NATIVEPPSTRING_H
#define NATIVEPP_NATIVEPPSTRING_H

#include <jni.h>

#include <string>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectLocal.h"

namespace nativepp {

class NativeppObject;

// Converts between Java strings and native strings. Narrow strings are JNI's modified UTF-8;
// wide strings hold one UTF-16 unit per wchar_t, without surrogate handling either way.
class NATIVEPP_EXPORT NativeppString {
public:
    static jobject newJString(const char* s, JNIEnv* env);
    static jobject newJString(const wchar_t* s, JNIEnv* env);
    static jobject newJString(const std::string& s, JNIEnv* env);
    static jobject newJString(const std::wstring& s, JNIEnv* env);

    static NativeppJObjectLocal newJStringWrapper(const char* s, JNIEnv* env);
    static NativeppJObjectLocal newJStringWrapper(const wchar_t* s, JNIEnv* env);
    static NativeppJObjectLocal newJStringWrapper(const std::string& s, JNIEnv* env);
    static NativeppJObjectLocal newJStringWrapper(const std::wstring& s, JNIEnv* env);

    static std::string getStringUTFChars(NativeppJObjectLocal& s, JNIEnv* env);
    static std::string getStringUTFChars(NativeppObject* s, JNIEnv* env);
    static std::wstring getStringChars(NativeppJObjectLocal& s, JNIEnv* env);
    static std::wstring getStringChars(NativeppObject* s, JNIEnv* env);
};

}  // namespace nativepp

#endif

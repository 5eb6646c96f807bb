#ifndef NATIVEPP_NATIVEPPSTRING_H
#define NATIVEPP_NATIVEPPSTRING_H

#include <jni.h>

#include <string>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectLocal.h"

namespace nativepp {

class NativeppObject;

/// Converts between Java strings and native strings, through the Java chars themselves
/// (NewString, GetStringRegion) rather than JNI's modified UTF-8.
///
/// Narrow forms (char, std::string) speak UTF-8 both ways: getStringUTFChars returns standard
/// UTF-8 despite its name. Coming in, modified UTF-8 reads as well (C0 80, surrogates in three
/// bytes each). Wide forms (wchar_t, std::wstring) speak UTF-32: a character above U+FFFF is
/// one wchar_t here and a surrogate pair in Java; coming in, a pair in two wchar_t joins too.
///
/// U+0000: a C string ends at its first NUL, so there it can only come in as C0 80; a
/// std::string or std::wstring converts whole both ways and carries it as a real zero.
/// Malformed input reads as U+FFFD, and an unpaired surrogate of a Java string comes out as
/// U+FFFD (NativeppUtf.h has the rule). A null C string gives a null reference.
class NATIVEPP_EXPORT NativeppString {
public:
    /// A new Java string of s as a local reference owned by the caller; null for a null C string.
    ///@{
    static jobject newJString(const char* s, JNIEnv* env);
    static jobject newJString(const wchar_t* s, JNIEnv* env);
    static jobject newJString(const std::string& s, JNIEnv* env);
    static jobject newJString(const std::wstring& s, JNIEnv* env);
    ///@}

    /// As newJString, in a holder that deletes the reference.
    ///@{
    static NativeppJObjectLocal newJStringWrapper(const char* s, JNIEnv* env);
    static NativeppJObjectLocal newJStringWrapper(const wchar_t* s, JNIEnv* env);
    static NativeppJObjectLocal newJStringWrapper(const std::string& s, JNIEnv* env);
    static NativeppJObjectLocal newJStringWrapper(const std::wstring& s, JNIEnv* env);
    ///@}

    /// The Java string of s (a holder, or a proxy) as UTF-8.
    ///@{
    static std::string getStringUTFChars(NativeppJObjectLocal& s, JNIEnv* env);
    static std::string getStringUTFChars(NativeppObject* s, JNIEnv* env);
    ///@}
    /// The Java string of s (a holder, or a proxy) as UTF-32.
    ///@{
    static std::wstring getStringChars(NativeppJObjectLocal& s, JNIEnv* env);
    static std::wstring getStringChars(NativeppObject* s, JNIEnv* env);
    ///@}
};

}  // namespace nativepp

#endif

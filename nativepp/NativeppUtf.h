#ifndef NATIVEPP_NATIVEPPUTF_H
#define NATIVEPP_NATIVEPPUTF_H

#include <jni.h>

#include <cstddef>
#include <string>
#include <vector>

#include "nativepp/NativeppExport.h"

namespace nativepp {

/// Converts native text to and from the UTF-16 units of Java strings. Shared by the binding
/// layer and the bridge, so that every native string crossing JNI speaks the same encodings.
///
/// Narrow text is UTF-8. JNI's modified UTF-8 (and CESU-8) reads as well: C0 80 is U+0000,
/// and the three-byte form of a surrogate is that UTF-16 unit, so an encoded pair joins
/// again. Wide text is UTF-32, one code point per wchar_t (32 bits on this platform); a
/// wchar_t holding a surrogate is that unit, so UTF-16 spread over wchar_t reads as well.
///
/// Malformed input never stops a conversion and is never read past its length: each byte
/// sequence that breaks off (up to the byte that breaks it), each byte that cannot start a
/// sequence, overlong and above-U+10FFFF forms, and each wchar_t above U+10FFFF or negative,
/// reads as U+FFFD. UTF-8 and UTF-32 output is always well formed: a surrogate that is not
/// part of a pair comes out as U+FFFD, and U+0000 as a zero byte or zero wchar_t. UTF-16
/// output keeps a lone surrogate of the input, as NewStringUTF would.
class NATIVEPP_EXPORT NativeppUtf {
public:
    /// UTF-8 (modified UTF-8 too) or UTF-32 text of length bytes or wchar_t, as UTF-16 units.
    ///@{
    static std::vector<jchar> utf16FromUtf8(const char* text, size_t length);
    static std::vector<jchar> utf16FromUtf32(const wchar_t* text, size_t length);
    ///@}
    /// length UTF-16 units as UTF-8 or UTF-32 text.
    ///@{
    static std::string utf8FromUtf16(const jchar* units, size_t length);
    static std::wstring utf32FromUtf16(const jchar* units, size_t length);
    ///@}

    /// The units of a Java string, copied with GetStringRegion: nothing is pinned and nothing
    /// needs releasing. The caller checks for a pending Java exception afterwards.
    static std::vector<jchar> unitsOf(jstring s, JNIEnv* env);
};

}  // namespace nativepp

#endif

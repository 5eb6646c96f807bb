#ifndef PROXIES_JAVA_LANG_STRING_H
#define PROXIES_JAVA_LANG_STRING_H

#include "NativeppProxyPattern.h"
#include "java/lang/Object.h"

#include <string>

namespace java {
namespace lang {

// Proxy of java.lang.String.
class NATIVEPP_EXPORT String : public virtual Object {
    NATIVEPP_PROXY_MEMBERS(String)

    // Java constructor "()V".
    explicit String(nativepp::NativeppNewInstanceParamDiscriminator& pd);

    String(jstring& obj, nativepp::NativeppNewInstanceParamDiscriminator& pd);
    String(jstring& obj);
    String& operator=(jstring& obj);

    // A new Java string from native text, bound in reference mode. Narrow text is UTF-8
    // (modified UTF-8 reads too), wide text UTF-32; the std:: forms may hold U+0000 and
    // convert whole. Malformed text reads as U+FFFD (nativepp/NativeppString.h).
    String(const char* text);
    String(const wchar_t* text);
    String(const std::string& text);
    String(const std::wstring& text);
    String& operator=(const char* text);
    String& operator=(const wchar_t* text);
    String& operator=(const std::string& text);
    String& operator=(const std::wstring& text);

    // The text as UTF-8 or as UTF-32, whole: U+0000 is a zero byte or zero wchar_t, and an
    // unpaired surrogate becomes U+FFFD.
    operator std::string();
    operator std::wstring();
};

}  // namespace lang
}  // namespace java

#endif

#include "bridge/LoaderName.h"

#include <vector>

#include "bridge/JavaExceptions.h"
#include "nativepp/NativeppUtf.h"

using nativepp::NativeppUtf;

LoaderName::LoaderName(JNIEnv* env, jstring name) : m_valid(false) {
    if (name == nullptr) {
        ThrowByName(env, "java/lang/NullPointerException", "string argument is null");
        return;
    }
    const std::vector<jchar> units = NativeppUtf::unitsOf(name, env);
    if (env->ExceptionCheck()) {
        return;
    }
    m_text = NativeppUtf::utf8FromUtf16(units.data(), units.size());
    if (m_text.find('\0') != std::string::npos) {
        ThrowByName(env, "java/lang/IllegalArgumentException", "name holds U+0000");
        return;
    }
    m_valid = true;
}

#include "bridge/LoaderName.h"

#include <vector>

#include "bridge/JavaExceptions.h"
#include "nativepp/NativeppUtf.h"

using nativepp::NativeppUtf;

namespace {

bool isHigh(jchar unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLow(jchar unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

bool holdsZeroOrUnpairedSurrogate(const std::vector<jchar>& units) {
    for (size_t i = 0; i < units.size(); ++i) {
        if (units[i] == 0 || isLow(units[i])) {
            return true;
        }
        if (isHigh(units[i])) {
            if (i + 1 == units.size() || !isLow(units[i + 1])) {
                return true;
            }
            ++i;
        }
    }
    return false;
}

}  // namespace

LoaderName::LoaderName(JNIEnv* env, jstring name) : m_valid(false) {
    if (name == nullptr) {
        ThrowByName(env, "java/lang/NullPointerException", "string argument is null");
        return;
    }
    const std::vector<jchar> units = NativeppUtf::unitsOf(name, env);
    if (env->ExceptionCheck()) {
        return;
    }
    // Either would reach the loader as another name: cut short at the zero byte, or with
    // U+FFFD in place of the surrogate.
    if (holdsZeroOrUnpairedSurrogate(units)) {
        ThrowByName(env, "java/lang/IllegalArgumentException", "name holds U+0000 or an unpaired surrogate");
        return;
    }
    m_text = NativeppUtf::utf8FromUtf16(units.data(), units.size());
    m_valid = true;
}

#include "bridge/StringUTFChars.h"

#include "bridge/JavaExceptions.h"

StringUTFChars::StringUTFChars(JNIEnv* env, jstring string)
    : m_env(env), m_string(string), m_chars(nullptr) {
    if (string == nullptr) {
        ThrowByName(env, "java/lang/NullPointerException", "string argument is null");
        return;
    }
    // Null only when the copy could not be allocated, with OutOfMemoryError pending.
    m_chars = env->GetStringUTFChars(string, nullptr);
}

StringUTFChars::~StringUTFChars() {
    if (m_chars != nullptr) {
        m_env->ReleaseStringUTFChars(m_string, m_chars);
    }
}

#include "bridge/StringUTFChars.h"

namespace {

void raiseNullPointer(JNIEnv* env) {
    jclass type = env->FindClass("java/lang/NullPointerException");
    if (type == nullptr) {
        return;  // NoClassDefFoundError stays pending
    }
    env->ThrowNew(type, "string argument is null");
    env->DeleteLocalRef(type);
}

}  // namespace

StringUTFChars::StringUTFChars(JNIEnv* env, jstring string)
    : m_env(env), m_string(string), m_chars(nullptr) {
    if (string == nullptr) {
        raiseNullPointer(env);
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

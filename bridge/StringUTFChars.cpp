#include "bridge/StringUTFChars.h"

#include "bridge/LocalReference.h"

namespace {

void raiseNullPointer(JNIEnv* env) {
    LocalReference<jclass> type(env, env->FindClass("java/lang/NullPointerException"));
    if (!type.isNull()) {  // otherwise NoClassDefFoundError stays pending
        env->ThrowNew(type.get(), "string argument is null");
    }
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

#ifndef BRIDGE_LOCALREFERENCE_H
#define BRIDGE_LOCALREFERENCE_H

#include <jni.h>

// Owns one JNI local reference and deletes it on every path out of its scope. Native
// threads that call back into Java never return to a Java frame, so a local reference they
// do not delete themselves stays until the thread ends.
template <typename T = jobject>
class LocalReference {
public:
    LocalReference(JNIEnv* env, T reference) : m_env(env), m_reference(reference) {}
    ~LocalReference() {
        if (m_reference != nullptr) {
            m_env->DeleteLocalRef(m_reference);
        }
    }
    LocalReference(const LocalReference&) = delete;
    LocalReference& operator=(const LocalReference&) = delete;

    T get() const { return m_reference; }
    bool isNull() const { return m_reference == nullptr; }

private:
    JNIEnv* m_env;
    T m_reference;
};

#endif

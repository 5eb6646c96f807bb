#include "bridge/JavaObjectWrapper.h"

#include "bridge/LoadHook.h"

JavaObjectWrapper::JavaObjectWrapper(JNIEnv* env, jobject object) : m_globalRef(env->NewGlobalRef(object)) {}

JavaObjectWrapper::~JavaObjectWrapper() {
    if (m_globalRef == nullptr) {
        return;
    }
    JNIEnv* env = getJNIEnv();
    if (env != nullptr) {
        // A direct call: a derived free is no longer valid inside the base destructor.
        JavaObjectWrapper::free(env);
    }
}

void JavaObjectWrapper::free(JNIEnv* env) {
    // DeleteGlobalRef ignores null, so a second free is harmless.
    env->DeleteGlobalRef(m_globalRef);
    m_globalRef = nullptr;
}

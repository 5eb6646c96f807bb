#ifndef BRIDGE_JAVAOBJECTWRAPPER_H
#define BRIDGE_JAVAOBJECTWRAPPER_H

#include <jni.h>

// Owns one JNI global reference, so that native code can keep a Java object reachable.
class JavaObjectWrapper {
public:
    // Takes a global reference to `object`, which may be a local or a global reference.
    JavaObjectWrapper(JNIEnv* env, jobject object);
    // Releases the reference if free has not, with the destroying thread's environment.
    virtual ~JavaObjectWrapper();
    virtual void free(JNIEnv* env);

    JavaObjectWrapper(const JavaObjectWrapper&) = delete;
    JavaObjectWrapper& operator=(const JavaObjectWrapper&) = delete;

protected:
    jobject m_globalRef;
};

#endif

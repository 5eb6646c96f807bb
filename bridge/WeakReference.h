#ifndef BRIDGE_WEAKREFERENCE_H
#define BRIDGE_WEAKREFERENCE_H

#include <jni.h>

#include "bridge/JavaObjectWrapper.h"

// A weak link to a Java object: holds the Java reference object made by the Java side
// (strongly) and asks it for its referent on every use, so the referent stays collectable.
class WeakReference : public JavaObjectWrapper {
public:
    WeakReference(JNIEnv* env, jobject referenceObject);
    ~WeakReference() override;

    // A new local reference to the referent, or null once it has been collected or when the
    // reference object's "get" is unknown. The caller checks for a pending exception.
    jobject get(JNIEnv* env);

    // False when there is no reference object to ask, so that a null from get means nothing.
    bool isLinked() const { return m_methodId != nullptr && m_globalRef != nullptr; }

private:
    // "get" as the reference object's superclass declares it. Kept per instance: an ID
    // found for one class of reference object is not valid on objects of another.
    jmethodID m_methodId;
};

#endif

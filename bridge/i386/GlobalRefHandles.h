#ifndef BRIDGE_GLOBALREFHANDLES_H
#define BRIDGE_GLOBALREFHANDLES_H

#include <jni.h>

#include <cstdint>

/// The 32-bit handles through which Java holds global references (class JNIEnv): on i386 the
/// handle is the global reference itself. Any thread; throws nothing.
class GlobalRefHandles {
public:
    /// A new global reference to obj as its handle; 0 for a null object.
    static jint newHandle(JNIEnv* env, jobject obj) {
        return static_cast<jint>(reinterpret_cast<intptr_t>(env->NewGlobalRef(obj)));
    }

    /// Deletes the global reference of handle; the null handle does nothing.
    static void deleteHandle(JNIEnv* env, jint handle) {
        env->DeleteGlobalRef(reinterpret_cast<jobject>(static_cast<intptr_t>(handle)));
    }
};

#endif

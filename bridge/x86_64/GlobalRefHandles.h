#ifndef BRIDGE_GLOBALREFHANDLES_H
#define BRIDGE_GLOBALREFHANDLES_H

#include <jni.h>

/// The 32-bit handles through which Java holds global references (class JNIEnv). A 64-bit
/// global reference does not fit one, so on x86-64 the handle numbers a slot of a
/// process-wide table that owns the reference until deleteHandle. Any thread: the table's
/// lock is never held across a JNI call.
class GlobalRefHandles {
public:
    /// A new global reference to obj in a free slot, as that slot's handle (from 1); 0 for a
    /// null object. Throws std::bad_alloc when the table cannot grow, the reference deleted.
    static jint newHandle(JNIEnv* env, jobject obj);

    /// Deletes the global reference of handle and frees its slot; 0, or a handle that holds
    /// nothing, does nothing.
    static void deleteHandle(JNIEnv* env, jint handle);
};

#endif

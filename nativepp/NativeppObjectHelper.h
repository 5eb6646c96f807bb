#ifndef NATIVEPP_NATIVEPPOBJECTHELPER_H
#define NATIVEPP_NATIVEPPOBJECTHELPER_H

#include <jni.h>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectLocal.h"
#include "nativepp/NativeppObject.h"
#include "nativepp/NativeppRefusal.h"
#include "nativepp/NativeppSharedJObjectGlobal.h"

namespace nativepp {

/// Shortcuts to a proxy's Java reference with the calling thread's environment.
/// Owns: nothing; what it returns is owned by the caller (local holders, global shares).
/// Threads: any attached thread. Throws: the mapped proxy of a pending Java exception.
class NATIVEPP_EXPORT NativeppObjectHelper {
public:
    /// A share of object's global reference, kept until the JNI call that uses it returns.
    static NativeppSharedJObjectGlobal getJObjectGlobal(NativeppObject& object);
    /// A new local reference to object's Java object, owned by the caller; null for an empty proxy.
    static jobject getJObjectLocal(NativeppObject& object);
    /// As getJObjectLocal, in a holder that deletes it.
    static NativeppJObjectLocal getJObjectLocalWrapper(NativeppObject& object);

    /// A new local reference to the Java object of object, for a JNI call that must not be
    /// given null: a null pointer or an empty proxy raises the mapped NullPointerException.
    static NativeppJObjectLocal getJObjectLocalNotNull(NativeppObject* object, JNIEnv* env);
    /// A share of the global reference of object, for a JNI call that must not be given null:
    /// as getJObjectLocalNotNull, but without a JNI call of its own (the caller converts a
    /// pending exception before its call).
    static NativeppSharedJObjectGlobal getJObjectGlobalNotNull(NativeppObject* object, JNIEnv* env) {
        if (object == nullptr) {
            throwNullPointer(object, env);
        }
        NativeppSharedJObjectGlobal global = object->nativeppGetJObjectGlobal(env);
        if (global.isNull()) {
            throwNullPointer(object, env);
        }
        return global;
    }

    /// The NullPointerException of a null pointer or of an empty proxy, named by its class.
    static NativeppRefusal nullPointerRefusal(NativeppObject* object);

private:
    /// The NullPointerException of a null pointer or of an empty proxy, named by its class.
    [[noreturn]] static void throwNullPointer(NativeppObject* object, JNIEnv* env);
};

}  // namespace nativepp

#endif

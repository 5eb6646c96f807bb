#ifndef NATIVEPP_NATIVEPPMETHODINSTANCE_H
#define NATIVEPP_NATIVEPPMETHODINSTANCE_H

#include <jni.h>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectLocal.h"

namespace nativepp {

class NativeppObject;
class NativeppObjectClass;

/// Calls of instance methods on the Java object of object, one operation per result type.
/// The Java arguments follow in the order of the signature, promoted as a variable argument
/// list is: boolean, byte, char and short as int, float as double, long as long long, an
/// object as its jobject. The call is virtual, so a Java override runs. A proxy that holds
/// no object raises the mapped NullPointerException; a Java exception raises its proxy.
/// Threads: any attached thread; the receiver's lock is not held while Java runs.
class NATIVEPP_EXPORT NativeppMethodInstance {
public:
    /// The result's local reference belongs to the caller (an empty holder for null).
    static NativeppJObjectLocal callObjectMethod(JNIEnv* env, int index, const char* name, const char* signature,
                                                 NativeppObjectClass* cls, NativeppObject* object, ...);
    /// Calls the method that returns void or the named primitive type, number index of cls, on
    /// object's Java object; returns its result.
    ///@{
    static void callVoidMethod(JNIEnv* env, int index, const char* name, const char* signature,
                               NativeppObjectClass* cls, NativeppObject* object, ...);
    static unsigned char callBooleanMethod(JNIEnv* env, int index, const char* name, const char* signature,
                                           NativeppObjectClass* cls, NativeppObject* object, ...);
    static signed char callByteMethod(JNIEnv* env, int index, const char* name, const char* signature,
                                      NativeppObjectClass* cls, NativeppObject* object, ...);
    static unsigned short callCharMethod(JNIEnv* env, int index, const char* name, const char* signature,
                                         NativeppObjectClass* cls, NativeppObject* object, ...);
    static short callShortMethod(JNIEnv* env, int index, const char* name, const char* signature,
                                 NativeppObjectClass* cls, NativeppObject* object, ...);
    static int callIntMethod(JNIEnv* env, int index, const char* name, const char* signature,
                             NativeppObjectClass* cls, NativeppObject* object, ...);
    static long long callLongMethod(JNIEnv* env, int index, const char* name, const char* signature,
                                    NativeppObjectClass* cls, NativeppObject* object, ...);
    static float callFloatMethod(JNIEnv* env, int index, const char* name, const char* signature,
                                 NativeppObjectClass* cls, NativeppObject* object, ...);
    static double callDoubleMethod(JNIEnv* env, int index, const char* name, const char* signature,
                                   NativeppObjectClass* cls, NativeppObject* object, ...);
    ///@}
};

}  // namespace nativepp

#endif

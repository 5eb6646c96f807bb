#ifndef NATIVEPP_NATIVEPPMETHODSTATIC_H
#define NATIVEPP_NATIVEPPMETHODSTATIC_H

#include <jni.h>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectLocal.h"

namespace nativepp {

class NativeppObjectClass;

/// Calls of static methods of the class cls, one operation per result type. The Java
/// arguments follow as for NativeppMethodInstance; a Java exception raises its proxy.
/// Threads: any attached thread.
class NATIVEPP_EXPORT NativeppMethodStatic {
public:
    /// The result's local reference belongs to the caller (an empty holder for null).
    static NativeppJObjectLocal callStaticObjectMethod(JNIEnv* env, int index, const char* name, const char* signature,
                                                       NativeppObjectClass* cls, ...);
    /// Calls the static method that returns void or the named primitive type, number index of cls;
    /// returns its result.
    ///@{
    static void callStaticVoidMethod(JNIEnv* env, int index, const char* name, const char* signature,
                                     NativeppObjectClass* cls, ...);
    static unsigned char callStaticBooleanMethod(JNIEnv* env, int index, const char* name, const char* signature,
                                                 NativeppObjectClass* cls, ...);
    static signed char callStaticByteMethod(JNIEnv* env, int index, const char* name, const char* signature,
                                            NativeppObjectClass* cls, ...);
    static unsigned short callStaticCharMethod(JNIEnv* env, int index, const char* name, const char* signature,
                                               NativeppObjectClass* cls, ...);
    static short callStaticShortMethod(JNIEnv* env, int index, const char* name, const char* signature,
                                       NativeppObjectClass* cls, ...);
    static int callStaticIntMethod(JNIEnv* env, int index, const char* name, const char* signature,
                                   NativeppObjectClass* cls, ...);
    static long long callStaticLongMethod(JNIEnv* env, int index, const char* name, const char* signature,
                                          NativeppObjectClass* cls, ...);
    static float callStaticFloatMethod(JNIEnv* env, int index, const char* name, const char* signature,
                                       NativeppObjectClass* cls, ...);
    static double callStaticDoubleMethod(JNIEnv* env, int index, const char* name, const char* signature,
                                         NativeppObjectClass* cls, ...);
    ///@}
};

}  // namespace nativepp

#endif

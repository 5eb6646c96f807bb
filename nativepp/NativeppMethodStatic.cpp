#include "nativepp/NativeppMethodStatic.h"

#include <cstdarg>

#include "nativepp/NativeppMethod.h"
#include "nativepp/NativeppObjectClass.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

// The ID and the class come first, as either may raise; between va_start and va_end only
// the JNI call runs, which raises nothing natively.

NativeppJObjectLocal NativeppMethodStatic::callStaticObjectMethod(JNIEnv* env, int index, const char* name,
                                                                  const char* signature, NativeppObjectClass* cls,
                                                                  ...) {
    jmethodID id = NativeppMethod::getStaticMethodID(index, name, signature, cls, env);
    jclass javaClass = cls->getJClass(env)->getJClass();
    va_list args;
    va_start(args, cls);
    NativeppJObjectLocal result(env->CallStaticObjectMethodV(javaClass, id, args), env);
    va_end(args);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return result;
}

void NativeppMethodStatic::callStaticVoidMethod(JNIEnv* env, int index, const char* name, const char* signature,
                                                NativeppObjectClass* cls, ...) {
    jmethodID id = NativeppMethod::getStaticMethodID(index, name, signature, cls, env);
    jclass javaClass = cls->getJClass(env)->getJClass();
    va_list args;
    va_start(args, cls);
    env->CallStaticVoidMethodV(javaClass, id, args);
    va_end(args);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
}

#define NATIVEPP_STATIC_CALL(KIND, NATIVE)                                                          \
    NATIVE NativeppMethodStatic::callStatic##KIND##Method(JNIEnv* env, int index, const char* name, \
                                                          const char* signature, NativeppObjectClass* cls, \
                                                          ...) {                                    \
        jmethodID id = NativeppMethod::getStaticMethodID(index, name, signature, cls, env);         \
        jclass javaClass = cls->getJClass(env)->getJClass();                                        \
        va_list args;                                                                               \
        va_start(args, cls);                                                                        \
        const NATIVE result = env->CallStatic##KIND##MethodV(javaClass, id, args);                  \
        va_end(args);                                                                               \
        NativeppThrowable::nativeThrowIfJavaThrown(env);                                            \
        return result;                                                                              \
    }

NATIVEPP_STATIC_CALL(Boolean, unsigned char)
NATIVEPP_STATIC_CALL(Byte, signed char)
NATIVEPP_STATIC_CALL(Char, unsigned short)
NATIVEPP_STATIC_CALL(Short, short)
NATIVEPP_STATIC_CALL(Int, int)
NATIVEPP_STATIC_CALL(Long, long long)
NATIVEPP_STATIC_CALL(Float, float)
NATIVEPP_STATIC_CALL(Double, double)

}  // namespace nativepp

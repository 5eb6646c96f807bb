#include "nativepp/NativeppMethodInstance.h"

#include <cstdarg>

#include "nativepp/NativeppMethod.h"
#include "nativepp/NativeppObjectHelper.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

// The receiver and the ID come first, as either may raise; between va_start and va_end
// only the JNI call runs, which raises nothing natively.

NativeppJObjectLocal NativeppMethodInstance::callObjectMethod(JNIEnv* env, int index, const char* name,
                                                              const char* signature, NativeppObjectClass* cls,
                                                              NativeppObject* object, ...) {
    const NativeppSharedJObjectGlobal target = NativeppObjectHelper::getJObjectGlobalNotNull(object, env);
    jmethodID id = NativeppMethod::getMethodID(index, name, signature, cls, env);
    va_list args;
    va_start(args, object);
    NativeppJObjectLocal result(env->CallObjectMethodV(target.getJObject(), id, args), env);
    va_end(args);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return result;
}

void NativeppMethodInstance::callVoidMethod(JNIEnv* env, int index, const char* name, const char* signature,
                                            NativeppObjectClass* cls, NativeppObject* object, ...) {
    const NativeppSharedJObjectGlobal target = NativeppObjectHelper::getJObjectGlobalNotNull(object, env);
    jmethodID id = NativeppMethod::getMethodID(index, name, signature, cls, env);
    va_list args;
    va_start(args, object);
    env->CallVoidMethodV(target.getJObject(), id, args);
    va_end(args);
    NativeppThrowable::nativeThrowIfJavaThrown(env);
}

#define NATIVEPP_INSTANCE_CALL(KIND, NATIVE)                                                        \
    NATIVE NativeppMethodInstance::call##KIND##Method(JNIEnv* env, int index, const char* name,    \
                                                      const char* signature, NativeppObjectClass* cls, \
                                                      NativeppObject* object, ...) {                \
        const NativeppSharedJObjectGlobal target = NativeppObjectHelper::getJObjectGlobalNotNull(object, env);    \
        jmethodID id = NativeppMethod::getMethodID(index, name, signature, cls, env);               \
        va_list args;                                                                               \
        va_start(args, object);                                                                     \
        const NATIVE result = env->Call##KIND##MethodV(target.getJObject(), id, args);              \
        va_end(args);                                                                               \
        NativeppThrowable::nativeThrowIfJavaThrown(env);                                            \
        return result;                                                                              \
    }

NATIVEPP_INSTANCE_CALL(Boolean, unsigned char)
NATIVEPP_INSTANCE_CALL(Byte, signed char)
NATIVEPP_INSTANCE_CALL(Char, unsigned short)
NATIVEPP_INSTANCE_CALL(Short, short)
NATIVEPP_INSTANCE_CALL(Int, int)
NATIVEPP_INSTANCE_CALL(Long, long long)
NATIVEPP_INSTANCE_CALL(Float, float)
NATIVEPP_INSTANCE_CALL(Double, double)

}  // namespace nativepp

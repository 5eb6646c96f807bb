// Platform facts: constants of the build target that the Java side lays out data with.
#include <jni.h>

#include "TargetAbi.h"

namespace {

// The compiler's preferred alignment: on i386 alignof(jlong) and alignof(jdouble) give the
// ABI minimum of 4, while the Java side expects the 8 that the compiler prefers for them.
template <typename T>
constexpr jint alignmentOf() {
    return static_cast<jint>(__alignof__(T));
}

}  // namespace

#define TARVELO_FACT(type, name, value)                                                        \
    extern "C" JNIEXPORT type JNICALL Java_com_drovantel_tarvelo_core_impl_jni_TarveloNative_##name( \
        JNIEnv*, jclass) {                                                                    \
        return value;                                                                         \
    }

TARVELO_FACT(jint, getPlatformAddressSize, static_cast<jint>(sizeof(void*)))
TARVELO_FACT(jint, getWideCharTSize, static_cast<jint>(sizeof(wchar_t)))
#if defined(_MSC_VER)
TARVELO_FACT(jboolean, compiledWithMSVC, JNI_TRUE)
#else
TARVELO_FACT(jboolean, compiledWithMSVC, JNI_FALSE)
#endif
#if defined(__APPLE__)
TARVELO_FACT(jboolean, isMacOSX, JNI_TRUE)
#else
TARVELO_FACT(jboolean, isMacOSX, JNI_FALSE)
#endif
#if defined(_WIN32)
TARVELO_FACT(jboolean, isWindows, JNI_TRUE)
#else
TARVELO_FACT(jboolean, isWindows, JNI_FALSE)
#endif
TARVELO_FACT(jint, getJBooleanAlignSize, alignmentOf<jboolean>())
TARVELO_FACT(jint, getJByteAlignSize, alignmentOf<jbyte>())
TARVELO_FACT(jint, getJCharAlignSize, alignmentOf<jchar>())
TARVELO_FACT(jint, getJShortAlignSize, alignmentOf<jshort>())
TARVELO_FACT(jint, getJIntAlignSize, alignmentOf<jint>())
TARVELO_FACT(jint, getJLongAlignSize, alignmentOf<jlong>())
TARVELO_FACT(jint, getJFloatAlignSize, alignmentOf<jfloat>())
TARVELO_FACT(jint, getJDoubleAlignSize, alignmentOf<jdouble>())

#undef TARVELO_FACT

extern "C" JNIEXPORT jint JNICALL Java_com_drovantel_tarvelo_core_impl_jni_TarveloNative_testFunc(
    JNIEnv*, jclass, jint x) {
    return x;
}

// A new string on every call: null, with OutOfMemoryError pending, when the JVM cannot make one.
extern "C" JNIEXPORT jstring JNICALL Java_com_drovantel_tarvelo_core_impl_jni_TarveloNative_getArchitecture(
    JNIEnv* env, jclass) {
    return env->NewStringUTF(TARVELO_ARCHITECTURE);
}

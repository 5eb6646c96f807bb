#ifndef NATIVEPP_NATIVEPPMETHOD_H
#define NATIVEPP_NATIVEPPMETHOD_H

#include <jni.h>

#include "nativepp/NativeppExport.h"

namespace nativepp {

class NativeppObjectClass;

// Method IDs, looked up through JNI once per declaring class and index and then read from
// the class descriptor's method table.
// Threads: any attached thread; the first lookup of an index runs under the descriptor's
// lock. Throws: NativeppException "Method not found, name: " with nothing left pending.
class NATIVEPP_EXPORT NativeppMethod {
public:
    static jmethodID getGenericMethodID(unsigned char isStatic, int index, const char* name, const char* signature,
                                        NativeppObjectClass* cls, JNIEnv* env);
    static jmethodID getMethodID(int index, const char* name, const char* signature, NativeppObjectClass* cls,
                                 JNIEnv* env);
    static jmethodID getStaticMethodID(int index, const char* name, const char* signature, NativeppObjectClass* cls,
                                       JNIEnv* env);
};

}  // namespace nativepp

#endif

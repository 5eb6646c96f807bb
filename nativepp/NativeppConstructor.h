#ifndef NATIVEPP_NATIVEPPCONSTRUCTOR_H
#define NATIVEPP_NATIVEPPCONSTRUCTOR_H

#include <jni.h>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectLocal.h"

namespace nativepp {

class NativeppObjectClass;

/// Calls Java constructors with IDs cached in the class descriptor's constructor table.
class NATIVEPP_EXPORT NativeppConstructor {
public:
    /// A negative index neither reads nor fills the table: the ID is looked up every time.
    static jmethodID getConstructorID(int index, const char* signature, NativeppObjectClass* cls, JNIEnv* env);

    /// A new Java object of cls; the Java arguments follow in the order of the signature.
    static NativeppJObjectLocal callConstructor(JNIEnv* env, int index, const char* signature,
                                                NativeppObjectClass* cls, ...);
};

}  // namespace nativepp

#endif

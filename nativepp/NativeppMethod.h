#ifndef NATIVEPP_NATIVEPPMETHOD_H
#define NATIVEPP_NATIVEPPMETHOD_H

#include <jni.h>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppObjectClass.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

/// Method IDs, looked up through JNI once per declaring class and index and then read from
/// the class descriptor's method table.
/// Threads: any attached thread; the first lookup of an index holds no lock (threads racing
/// on it may each look it up). Throws: NativeppException "Method not found, name: " with nothing
/// left pending.
class NATIVEPP_EXPORT NativeppMethod {
public:
    /// The ID of method name with signature, number index of cls: looked up by JNI and cached in
    /// the table; raises "Method not found, name: " + name.
    static jmethodID getGenericMethodID(unsigned char isStatic, int index, const char* name, const char* signature,
                                        NativeppObjectClass* cls, JNIEnv* env);
    /// The ID of the instance or static method from cls's table, or looked up and cached there.
    ///@{
    static jmethodID getMethodID(int index, const char* name, const char* signature, NativeppObjectClass* cls,
                                 JNIEnv* env) {
        return cachedOrLookedUp(0, index, name, signature, cls, env);
    }
    static jmethodID getStaticMethodID(int index, const char* name, const char* signature, NativeppObjectClass* cls,
                                       JNIEnv* env) {
        return cachedOrLookedUp(1, index, name, signature, cls, env);
    }
    ///@}

private:
    /// Inline for a cached ID: a call costs about what the rest does.
    static jmethodID cachedOrLookedUp(unsigned char isStatic, int index, const char* name, const char* signature,
                                      NativeppObjectClass* cls, JNIEnv* env) {
        jmethodID cached = cls->getMethodID(index);
        return cached != nullptr ? cached : getGenericMethodID(isStatic, index, name, signature, cls, env);
    }
};

}  // namespace nativepp

#endif

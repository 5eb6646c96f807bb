#ifndef NATIVEPP_NATIVEPPCLASS_H
#define NATIVEPP_NATIVEPPCLASS_H

#include <jni.h>

#include <atomic>
#include <string>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJClassGlobal.h"
#include "nativepp/NativeppJClassLocal.h"

namespace nativepp {

/// Describes a Java class by name and signature and caches a global reference to it.
/// Owns: that global reference, made on first use and kept for the life of the descriptor
/// (descriptors are statics). Threads: any attached thread; racing first uses make one
/// reference. Throws: NativeppException "Class not found:" + name when the class cannot be
/// loaded (the Java error is cleared).
class NATIVEPP_EXPORT NativeppClass {
public:
    /// A descriptor of the class className (JNI form, "java/lang/String") whose type signature is
    /// signature ("Ljava/lang/String;"); nothing is looked up yet.
    NativeppClass(const char* className, const char* signature);
    virtual ~NativeppClass();

    NativeppClass(const NativeppClass&) = delete;
    NativeppClass& operator=(const NativeppClass&) = delete;

    /// The JNI class name, "java/lang/String".
    const char* getClassName() const { return className.c_str(); }
    /// The type signature, "Ljava/lang/String;".
    const char* getSignature() const { return signature.c_str(); }

    /// The cached global reference, looked up on first use; raises "Class not found:" + name.
    NativeppJClassGlobal* getJClass(JNIEnv* env) {
        NativeppJClassGlobal* cached = jclassGlobal.load(std::memory_order_acquire);
        return cached != nullptr ? cached : lookUpJClass(env);
    }

    /// A JNI class name as Java's Class.getName() spells it: "java/lang/String" becomes
    /// "java.lang.String", "[Ljava/lang/String;" becomes "[Ljava.lang.String;".
    static std::string binaryName(std::string jniName);

    /// FindClass as a local holder; raises "Class not found:" + name with nothing pending.
    static NativeppJClassLocal getJavaClass(const char* name, JNIEnv* env);

private:
    NativeppJClassGlobal* lookUpJClass(JNIEnv* env);

    std::string className;
    std::string signature;
    std::atomic<NativeppJClassGlobal*> jclassGlobal;
};

}  // namespace nativepp

#endif

#ifndef NATIVEPP_NATIVEPPJVM_H
#define NATIVEPP_NATIVEPPJVM_H

#include <jni.h>

#include "nativepp/NativeppExport.h"

namespace nativepp {

/// The binding layer's access to the virtual machine and to each thread's environment.
/// Owns: nothing (the virtual machine belongs to whoever created it; load() starts one for
/// the process and never destroys it). Threads: any thread; getJNIEnv attaches a thread the
/// virtual machine does not know yet, which stays attached until it exits. Throws:
/// NativeppException "Java Virtual Machine is not loaded or not registered", "Cannot load : "
/// / "Loaded DLL is not jvm.dll : " + path, "Error loading JVM" with JNI's code.
class NATIVEPP_EXPORT NativeppJVM {
public:
    /// Nothing to set up: every member is static.
    NativeppJVM() {}

    /// The registered virtual machine; null until setJavaVM or load.
    static JavaVM* jvm;
    /// The JNI version asked of GetEnv, JNI_VERSION_1_4.
    static jint jvmVersion;

    /// Registers the virtual machine (given, or the one of env) for the binding layer.
    /// libtarvelo.so registers it when Java loads it (System.loadLibrary("tarvelo")); a JNI
    /// library of one's own that only links it calls this from its JNI_OnLoad.
    ///@{
    static void setJavaVM(JavaVM* vm);
    static void setJavaVM(JNIEnv* env);
    ///@}
    /// Whether a virtual machine is registered.
    static bool loaded();
    /// The JNI version asked of GetEnv.
    static jint getJVMVersion();

    /// The registered virtual machine; without one, null when mustExist is 0, otherwise raises
    /// "Java Virtual Machine is not loaded or not registered".
    ///@{
    static JavaVM* getJavaVM(unsigned char mustExist);
    static JavaVM* getJavaVM();
    ///@}

    /// The calling thread's environment, attaching the thread (for good) when the virtual machine
    /// does not know it yet; null when attaching fails.
    static JNIEnv* attachCurrentThread();
    /// The calling thread's environment, attaching the thread when needed; without a registered
    /// virtual machine, null when mustExist is 0, otherwise raises. Inside a NativeppEnvScope,
    /// the scope's env, at once.
    ///@{
    static JNIEnv* getJNIEnv(unsigned char mustExist);
    static JNIEnv* getJNIEnv();
    ///@}

    /// Starts a virtual machine from the shared library at libraryPath.
    static JavaVM* load(const char* libraryPath, JavaVMInitArgs* args);

private:
    friend class NativeppEnvScope;
    /// Makes env the calling thread's scoped environment (null: none); the one it replaces.
    static JNIEnv* swapScopedEnv(JNIEnv* env) noexcept;
};

}  // namespace nativepp

#endif

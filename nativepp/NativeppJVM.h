#ifndef NATIVEPP_NATIVEPPJVM_H
#define NATIVEPP_NATIVEPPJVM_H

#include <jni.h>

#include "nativepp/NativeppExport.h"

namespace nativepp {

// The binding layer's access to the virtual machine and to each thread's environment.
// Owns: nothing (the virtual machine belongs to whoever created it; load() starts one for
// the process and never destroys it). Threads: any thread; getJNIEnv attaches a thread the
// virtual machine does not know yet, which stays attached until it exits. Throws:
// NativeppException "Java Virtual Machine is not loaded or not registered", "Cannot load : "
// / "Loaded DLL is not jvm.dll : " + path, "Error loading JVM" with JNI's code.
class NATIVEPP_EXPORT NativeppJVM {
public:
    NativeppJVM() {}

    static JavaVM* jvm;
    static jint jvmVersion;

    static void setJavaVM(JavaVM* vm);
    static void setJavaVM(JNIEnv* env);
    static bool loaded();
    static jint getJVMVersion();

    static JavaVM* getJavaVM(unsigned char mustExist);
    static JavaVM* getJavaVM();

    static JNIEnv* attachCurrentThread();
    static JNIEnv* getJNIEnv(unsigned char mustExist);
    static JNIEnv* getJNIEnv();

    // Starts a virtual machine from the shared library at libraryPath.
    static JavaVM* load(const char* libraryPath, JavaVMInitArgs* args);
};

}  // namespace nativepp

#endif

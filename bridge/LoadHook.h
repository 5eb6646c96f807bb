#ifndef BRIDGE_LOADHOOK_H
#define BRIDGE_LOADHOOK_H

#include <jni.h>

// The virtual machine that loaded the library, for the bridge.
JNIEXPORT extern JavaVM* globalJVM;

JNIEXPORT JavaVM* getJavaVM();
JNIEXPORT void setJavaVM(JavaVM* vm);

// The calling thread's environment, attaching the thread when the virtual machine does not
// know it yet; null before the library is loaded or when attaching fails.
JNIEXPORT JNIEnv* getJNIEnv();

#endif

#ifndef BRIDGE_METHODNATIVE_H
#define BRIDGE_METHODNATIVE_H

#include <jni.h>

// Calls the function at address with the argsSize bytes at argsAddress as its stack
// arguments under callingConvention (0 cdecl, otherwise stdcall), and stores its result
// as returnType says. An exception escaping the function is discarded here, so it never
// crosses into the virtual machine; result then keeps what it held. A block size (its low
// word) that is negative, not a multiple of 4 or above 64 KiB, function 0 or a null block of
// words is refused without a call, with TarveloNativeException raised on env when it is not
// null.
JNIEXPORT void callGeneric(JNIEnv* env, jlong address, int returnType, jvalue* result, jlong argsAddress,
                 int callingConvention, jlong argsSize);

#endif

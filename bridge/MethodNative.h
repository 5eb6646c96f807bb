#ifndef BRIDGE_METHODNATIVE_H
#define BRIDGE_METHODNATIVE_H

#include <jni.h>

// Calls the function at address with the argsSize bytes at argsAddress as its arguments (on
// i386 its stack arguments under callingConvention, 0 cdecl, otherwise stdcall; on x86-64 the
// register image of asm_dispatch.h, the convention ignored), and stores its result as
// returnType says. An exception escaping the function is discarded here, so it never crosses
// into the virtual machine; result then keeps what it held. A block size outside the target's
// rule (i386: its low word a multiple of 4 from 0 to 64 KiB; x86-64: 0, or the 112-byte image
// plus up to 64 KiB of 8-byte slots), function 0 or a null block is refused without a call,
// with TarveloNativeException raised on env when it is not null.
JNIEXPORT void callGeneric(JNIEnv* env, jlong address, int returnType, jvalue* result, jlong argsAddress,
                 int callingConvention, jlong argsSize);

// Whether argsSize follows the block size rule above, and the rule as a message.
bool isCallBlockSize(jlong argsSize);
const char* callBlockSizeRule();

#endif

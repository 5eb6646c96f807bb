#ifndef BRIDGE_ASM_DISPATCH_H
#define BRIDGE_ASM_DISPATCH_H

// Result kind codes: which register the stub takes the callee's result from and how much
// of the jvalue it writes. Plain macros, because the assembly stub reads them too.
#define TARVELO_RESULT_VOID 1
#define TARVELO_RESULT_BOOLEAN 2
#define TARVELO_RESULT_BYTE 3
#define TARVELO_RESULT_CHAR 4
#define TARVELO_RESULT_SHORT 5
#define TARVELO_RESULT_INT 6
#define TARVELO_RESULT_LONG 7
#define TARVELO_RESULT_FLOAT 8
#define TARVELO_RESULT_DOUBLE 9

// Calling-convention codes: 0 is cdecl, every other value stdcall.
#define TARVELO_CDECL 0
#define TARVELO_STDCALL 1

#ifndef __ASSEMBLER__
#include <jni.h>

#ifdef __cplusplus
extern "C" {
#endif

// Pushes the argsSize bytes at argsAddress as the callee's stack arguments, calls
// function, and stores its result into *result as returnType says (nothing for
// TARVELO_RESULT_VOID). ESP, EBP, ESI, EAX, ECX and EDX are as before on return; EBX and
// EDI too, as long as the callee keeps them as the ABI requires.
void asm_dispatch(void* function, int argsSize, const void* argsAddress, int returnType,
                  jvalue* result, int callingConvention);

// The same stub under a name that is not exported, so that the library's own calls go to it
// directly instead of through the PLT.
__attribute__((visibility("hidden"))) void asm_dispatch_in_library(void* function, int argsSize,
                                                                   const void* argsAddress, int returnType,
                                                                   jvalue* result, int callingConvention);

#ifdef __cplusplus
}
#endif
#endif  // __ASSEMBLER__

#endif

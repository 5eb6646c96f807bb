#ifndef BRIDGE_ASM_DISPATCH_H
#define BRIDGE_ASM_DISPATCH_H

// The result kind and calling-convention codes, the argument block's layout on each target and
// asm_dispatch itself are part of the exported C interface; the stub reads the codes too.
#include "include/tarvelo/tarvelo.h"

#ifndef __ASSEMBLER__
#ifdef __cplusplus
extern "C" {
#endif

// asm_dispatch under a name that is not exported, so that the library's own calls go to it
// directly instead of through the PLT. On i386 ESP, EBP, ESI, EAX, ECX and EDX are as before
// on return, EBX and EDI too as long as the callee keeps them as the ABI requires; on x86-64
// RSP and the callee-saved registers, with AL 8 at the call for variadic callees.
__attribute__((visibility("hidden"))) void asm_dispatch_in_library(void* function, int argsSize,
                                                                   const void* argsAddress, int returnType,
                                                                   jvalue* result, int callingConvention);

#ifdef __cplusplus
}
#endif
#endif  // __ASSEMBLER__

#endif

#ifndef BRIDGE_THUNK_POOL_H
#define BRIDGE_THUNK_POOL_H

// The thunk pool's interface between each target's thunk_pool.S and ThunkPool: the pool's
// shape, and the result block through which the common stub returns in the ABI's registers.

/* Thunks in the pool, each TARVELO_THUNK_STRIDE bytes of text: load its index, jump to the
   common stub.  */
#define TARVELO_THUNK_COUNT 1024
#define TARVELO_THUNK_STRIDE 16

/* The result block: the callback's result widened to 8 bytes (RAX and XMM0 on x86-64,
   EDX:EAX on i386), whether it goes onto the x87 stack (i386), and how many argument bytes
   the thunk removes on return (i386 stdcall).  */
#define TARVELO_THUNK_RESULT_VALUE 0
#define TARVELO_THUNK_RESULT_X87 8
#define TARVELO_THUNK_RESULT_POP 12
#define TARVELO_THUNK_RESULT_SIZE 16
#define TARVELO_THUNK_X87_NONE 0
#define TARVELO_THUNK_X87_FLOAT 1
#define TARVELO_THUNK_X87_DOUBLE 2

#ifndef __ASSEMBLER__
#include <jni.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct TarveloThunkResult {
    jvalue value;
    int32_t x87;
    int32_t popBytes;
} TarveloThunkResult;

/* The first thunk; thunk i is at tarvelo_thunk_pool + i * TARVELO_THUNK_STRIDE.  */
__attribute__((visibility("hidden"))) extern const unsigned char tarvelo_thunk_pool[];

/* Bytes of stack slots each thunk copies after the register image (read by the x86-64 stub). */
__attribute__((visibility("hidden"))) extern int32_t tarvelo_thunk_stack_bytes[TARVELO_THUNK_COUNT];

/* Called by the common stub with the thunk's index and the argument block it built.  */
__attribute__((visibility("hidden"))) void tarvelo_thunk_invoke(uint32_t index, void* block,
                                                                TarveloThunkResult* result);

#ifdef __cplusplus
}
#endif
#endif  // __ASSEMBLER__

#endif

/* asm_dispatch: calls a function whose stack arguments arrive as a ready-made block of
   32-bit words, under cdecl or stdcall, and stores its result into a jvalue.

   void asm_dispatch(void* function, int argsSize, const void* argsAddress,
                     int returnType, jvalue* result, int callingConvention);

   Called itself with the ordinary cdecl convention. The frame is kept in EBP, so the
   callee's argument words and the alignment padding above them are removed together by
   restoring ESP from EBP, whichever convention the callee follows. The CFI below lets a
   C++ exception thrown by the callee unwind through this frame to its caller.  */

#include "bridge/asm_dispatch.h"

#if !defined(__i386__)
#error "asm_dispatch.S is the i386 stub"
#endif

        .text
        .p2align 4
        .globl  asm_dispatch
        .type   asm_dispatch, @function
        .globl  asm_dispatch_in_library
        .hidden asm_dispatch_in_library
        .type   asm_dispatch_in_library, @function
asm_dispatch:
asm_dispatch_in_library:
        .cfi_startproc
        pushl   %ebp
        .cfi_def_cfa_offset 8
        .cfi_offset %ebp, -8
        movl    %esp, %ebp
        .cfi_def_cfa_register %ebp
        pushl   %esi
        .cfi_offset %esi, -12
        pushl   %eax
        pushl   %ecx
        pushl   %edx
/*      28(%ebp)  callingConvention
        24(%ebp)  result
        20(%ebp)  returnType
        16(%ebp)  argsAddress
        12(%ebp)  argsSize
         8(%ebp)  function
         4(%ebp)  return address
         0(%ebp)  caller's EBP
        -4(%ebp)  caller's ESI
        -8(%ebp)  caller's EAX, ECX, EDX down to -16(%ebp)  <- ESP  */

        /* Lower ESP so that after argsSize bytes of pushes it sits on a 16-byte boundary:
           i386 code built by current compilers assumes that alignment at every call.  */
        movl    12(%ebp), %ecx
        movl    %esp, %eax
        subl    %ecx, %eax
        andl    $-16, %eax
        addl    %ecx, %eax
        movl    %eax, %esp
/*      -16(%ebp) saved EDX
        0 to 15 bytes of padding                              <- ESP
        ECX = argsSize  */

        /* Push the block's words from the last to the first, so that the first word ends
           up lowest, at ESP, exactly as the callee reads its parameters. One branch per
           word: under emulation each branch ends a translated block.  */
        movl    16(%ebp), %esi
        subl    $4, %ecx
        js      2f
1:      pushl   (%esi,%ecx)
        subl    $4, %ecx
        jns     1b
2:
/*      padding
        word at argsSize - 4
        ...
        word at 0                                             <- ESP, 16-byte aligned  */

        call    *8(%ebp)
/*      cdecl: the argument words are still there; stdcall: the callee removed them.
        Either way the padding is still there; both go when ESP is restored below.
        EAX, EDX:EAX or ST(0) hold the result.  */

        /* The 32-bit kinds (boolean to int) take two compares and no jump; the others
           are stored out of line, after the return.  */
        movl    24(%ebp), %ecx
        movl    20(%ebp), %esi
        cmpl    $TARVELO_RESULT_LONG, %esi
        jae     .Lstore_wide
        cmpl    $TARVELO_RESULT_VOID, %esi
        je      .Lstored
.Lstore_word:
        /* boolean, byte, char, short, int and any other code: the 32-bit EAX.  */
        movl    %eax, (%ecx)
.Lstored:

        .cfi_remember_state
        leal    -16(%ebp), %esp
/*      -4(%ebp) caller's ESI, -8 EAX, -12 ECX, -16 EDX         <- ESP  */
        popl    %edx
        popl    %ecx
        popl    %eax
        popl    %esi
        .cfi_restore %esi
        popl    %ebp
        .cfi_restore %ebp
        .cfi_def_cfa %esp, 4
        ret
        .cfi_restore_state

.Lstore_wide:
        /* Flags still from the compare with TARVELO_RESULT_LONG.  */
        je      .Lstore_long
        cmpl    $TARVELO_RESULT_FLOAT, %esi
        je      .Lstore_float
        cmpl    $TARVELO_RESULT_DOUBLE, %esi
        jne     .Lstore_word
        fstpl   (%ecx)
        jmp     .Lstored
.Lstore_long:
        movl    %eax, (%ecx)
        movl    %edx, 4(%ecx)
        jmp     .Lstored
.Lstore_float:
        /* Pop, or the x87 stack overflows after eight floating-point calls.  */
        fstps   (%ecx)
        jmp     .Lstored
        .cfi_endproc
        .size   asm_dispatch, .-asm_dispatch
        .size   asm_dispatch_in_library, .-asm_dispatch_in_library

        /* The stub needs no executable stack; without this note the linker marks the
           whole library as needing one and the JVM warns at load.  */
        .section .note.GNU-stack, "", @progbits

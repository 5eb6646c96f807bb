/* asm_dispatch: calls a function whose arguments arrive as a register image followed by
   its stack arguments (the layout is in asm_dispatch.h), and stores its result into a jvalue.

   void asm_dispatch(void* function, int argsSize, const void* argsAddress,
                     int returnType, jvalue* result, int callingConvention);

   An ordinary System V function itself: RDI function, ESI argsSize, RDX argsAddress,
   ECX returnType, R8 result; callingConvention (R9D) is not read, since x86-64 has one
   convention. The frame is kept in RBP, so the stack slots and the alignment padding are
   removed together by restoring RSP from RBP. The CFI below lets a C++ exception thrown by
   the callee unwind through this frame to its caller.  */

#include "bridge/asm_dispatch.h"

#if !defined(__x86_64__)
#error "this asm_dispatch.S is the x86-64 stub"
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
        pushq   %rbp
        .cfi_def_cfa_offset 16
        .cfi_offset %rbp, -16
        movq    %rsp, %rbp
        .cfi_def_cfa_register %rbp
        pushq   %rbx
        .cfi_offset %rbx, -24
        pushq   %r12
        .cfi_offset %r12, -32
/*        8(%rbp)  return address
          0(%rbp)  caller's RBP
         -8(%rbp)  caller's RBX
        -16(%rbp)  caller's R12                                  <- RSP  */

        /* Kept across the call in callee-saved registers.  */
        movl    %ecx, %ebx
        movq    %r8, %r12
        movq    %rdi, %r11
        movq    %rdx, %r10
        testl   %esi, %esi
        jz      .Lcall

        /* Stack slots: argsSize - 112 bytes, a whole number of 8-byte slots. Round RSP down
           to 16 bytes, then one more slot when their count is odd, so that RSP is 16-byte
           aligned at the call whatever the stub's own caller left.  */
        movl    %esi, %ecx
        subq    $TARVELO_REGISTER_IMAGE_SIZE, %rcx
        andq    $-16, %rsp
        leaq    -8(%rsp), %rax
        testl   $TARVELO_STACK_SLOT_SIZE, %ecx
        cmovnzq %rax, %rsp
/*      -16(%rbp) caller's R12
        0 to 15 bytes of padding                                 <- RSP
        RCX = bytes of stack slots  */

        /* Push the slots from the last to the first, so that the first ends up lowest, just
           above the return address, as the callee reads it.  */
        subq    $TARVELO_STACK_SLOT_SIZE, %rcx
        js      2f
1:      pushq   TARVELO_REGISTER_IMAGE_SIZE(%r10,%rcx)
        subq    $TARVELO_STACK_SLOT_SIZE, %rcx
        jns     1b
2:
/*      padding
        slot at argsSize - 8
        ...
        slot at 112                                              <- RSP, 16-byte aligned  */

        movq    TARVELO_IMAGE_INTEGER_REGISTERS+0(%r10), %rdi
        movq    TARVELO_IMAGE_INTEGER_REGISTERS+8(%r10), %rsi
        movq    TARVELO_IMAGE_INTEGER_REGISTERS+16(%r10), %rdx
        movq    TARVELO_IMAGE_INTEGER_REGISTERS+24(%r10), %rcx
        movq    TARVELO_IMAGE_INTEGER_REGISTERS+32(%r10), %r8
        movq    TARVELO_IMAGE_INTEGER_REGISTERS+40(%r10), %r9
        movsd   TARVELO_IMAGE_VECTOR_REGISTERS+0(%r10), %xmm0
        movsd   TARVELO_IMAGE_VECTOR_REGISTERS+8(%r10), %xmm1
        movsd   TARVELO_IMAGE_VECTOR_REGISTERS+16(%r10), %xmm2
        movsd   TARVELO_IMAGE_VECTOR_REGISTERS+24(%r10), %xmm3
        movsd   TARVELO_IMAGE_VECTOR_REGISTERS+32(%r10), %xmm4
        movsd   TARVELO_IMAGE_VECTOR_REGISTERS+40(%r10), %xmm5
        movsd   TARVELO_IMAGE_VECTOR_REGISTERS+48(%r10), %xmm6
        movsd   TARVELO_IMAGE_VECTOR_REGISTERS+56(%r10), %xmm7

.Lcall:
        /* A variadic callee reads AL as an upper bound of the vector registers used.  */
        movl    $8, %eax
        call    *%r11
/*      RAX or XMM0 hold the result; the stack slots and padding are still there.  */

        /* The 32-bit kinds (boolean to int) take two compares and no jump.  */
        cmpl    $TARVELO_RESULT_LONG, %ebx
        jae     .Lstore_wide
        cmpl    $TARVELO_RESULT_VOID, %ebx
        je      .Lstored
.Lstore_word:
        /* boolean, byte, char, short, int and any other code: EAX.  */
        movl    %eax, (%r12)
.Lstored:

        .cfi_remember_state
        leaq    -16(%rbp), %rsp
/*      -8(%rbp) caller's RBX, -16 R12                           <- RSP  */
        popq    %r12
        .cfi_restore %r12
        popq    %rbx
        .cfi_restore %rbx
        popq    %rbp
        .cfi_restore %rbp
        .cfi_def_cfa %rsp, 8
        ret
        .cfi_restore_state

.Lstore_wide:
        /* Flags still from the compare with TARVELO_RESULT_LONG.  */
        je      .Lstore_long
        cmpl    $TARVELO_RESULT_FLOAT, %ebx
        je      .Lstore_float
        cmpl    $TARVELO_RESULT_DOUBLE, %ebx
        jne     .Lstore_word
        movsd   %xmm0, (%r12)
        jmp     .Lstored
.Lstore_long:
        movq    %rax, (%r12)
        jmp     .Lstored
.Lstore_float:
        movss   %xmm0, (%r12)
        jmp     .Lstored
        .cfi_endproc
        .size   asm_dispatch, .-asm_dispatch
        .size   asm_dispatch_in_library, .-asm_dispatch_in_library

        /* The stub needs no executable stack; without this note the linker marks the
           whole library as needing one and the JVM warns at load.  */
        .section .note.GNU-stack, "", @progbits

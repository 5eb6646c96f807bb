/* The thunk pool: TARVELO_THUNK_COUNT System V functions, each of which loads its index into
   R11 (scratch at every call) and jumps to thunk_common.

   thunk_common builds a downcall argument block of the caller's arguments on its own stack:
   the register image (RDI..R9, XMM0-7) and a copy of the stack slots that the thunk was bound
   with, calls tarvelo_thunk_invoke(index, block, result) and returns the result in RAX and
   XMM0 both, so that it needs no branch on the result's type.  */

#include "bridge/asm_dispatch.h"
#include "bridge/thunk_pool.h"

#if !defined(__x86_64__)
#error "this thunk_pool.S is the x86-64 pool"
#endif

        .text
        .p2align 4
        .type   thunk_common, @function
thunk_common:
        .cfi_startproc
        pushq   %rbp
        .cfi_def_cfa_offset 16
        .cfi_offset %rbp, -16
        movq    %rsp, %rbp
        .cfi_def_cfa_register %rbp
/*      16(%rbp)  the caller's first stack slot
         8(%rbp)  return address
         0(%rbp)  caller's RBP                                   <- RSP  */

        /* The result block, then the argument block below it, 16-byte aligned.  */
        subq    $TARVELO_THUNK_RESULT_SIZE, %rsp
        leaq    tarvelo_thunk_stack_bytes(%rip), %rax
        movslq  (%rax,%r11,4), %rax
        subq    %rax, %rsp
        subq    $TARVELO_REGISTER_IMAGE_SIZE, %rsp
        andq    $-16, %rsp
/*      -16(%rbp) result block
        padding
        stack slots (RAX bytes)
        register image                                           <- RSP  */

        movq    %rdi, TARVELO_IMAGE_INTEGER_REGISTERS+0(%rsp)
        movq    %rsi, TARVELO_IMAGE_INTEGER_REGISTERS+8(%rsp)
        movq    %rdx, TARVELO_IMAGE_INTEGER_REGISTERS+16(%rsp)
        movq    %rcx, TARVELO_IMAGE_INTEGER_REGISTERS+24(%rsp)
        movq    %r8, TARVELO_IMAGE_INTEGER_REGISTERS+32(%rsp)
        movq    %r9, TARVELO_IMAGE_INTEGER_REGISTERS+40(%rsp)
        movsd   %xmm0, TARVELO_IMAGE_VECTOR_REGISTERS+0(%rsp)
        movsd   %xmm1, TARVELO_IMAGE_VECTOR_REGISTERS+8(%rsp)
        movsd   %xmm2, TARVELO_IMAGE_VECTOR_REGISTERS+16(%rsp)
        movsd   %xmm3, TARVELO_IMAGE_VECTOR_REGISTERS+24(%rsp)
        movsd   %xmm4, TARVELO_IMAGE_VECTOR_REGISTERS+32(%rsp)
        movsd   %xmm5, TARVELO_IMAGE_VECTOR_REGISTERS+40(%rsp)
        movsd   %xmm6, TARVELO_IMAGE_VECTOR_REGISTERS+48(%rsp)
        movsd   %xmm7, TARVELO_IMAGE_VECTOR_REGISTERS+56(%rsp)

        /* The stack slots, first lowest, as the caller laid them out (DF is clear at calls).  */
        leaq    16(%rbp), %rsi
        leaq    TARVELO_REGISTER_IMAGE_SIZE(%rsp), %rdi
        movq    %rax, %rcx
        shrq    $3, %rcx
        rep movsq

        movl    %r11d, %edi
        movq    %rsp, %rsi
        leaq    -TARVELO_THUNK_RESULT_SIZE(%rbp), %rdx
        call    tarvelo_thunk_invoke

        movq    -TARVELO_THUNK_RESULT_SIZE+TARVELO_THUNK_RESULT_VALUE(%rbp), %rax
        movq    %rax, %xmm0
        leave
        .cfi_def_cfa %rsp, 8
        ret
        .cfi_endproc
        .size   thunk_common, .-thunk_common

/* Fixed strides, so that ThunkPool finds thunk i at tarvelo_thunk_pool + i * stride.  */
        .p2align 4
        .globl  tarvelo_thunk_pool
        .hidden tarvelo_thunk_pool
        .type   tarvelo_thunk_pool, @function
tarvelo_thunk_pool:
        .set    .Lthunk_index, 0
        .rept   TARVELO_THUNK_COUNT
        /* Fails to assemble if the thunk before outgrew its stride.  */
        .org    tarvelo_thunk_pool + .Lthunk_index * TARVELO_THUNK_STRIDE, 0xcc
        movl    $.Lthunk_index, %r11d
        {disp32} jmp thunk_common
        .set    .Lthunk_index, .Lthunk_index + 1
        .endr
        .org    tarvelo_thunk_pool + TARVELO_THUNK_COUNT * TARVELO_THUNK_STRIDE, 0xcc
        .size   tarvelo_thunk_pool, .-tarvelo_thunk_pool

        .section .note.GNU-stack, "", @progbits

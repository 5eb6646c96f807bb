/* The thunk pool: TARVELO_THUNK_COUNT functions, each of which loads its index into EAX
   (scratch under cdecl and stdcall) and jumps to thunk_common.

   thunk_common hands the caller's argument words, in place just above the return address,
   to tarvelo_thunk_invoke(index, block, result) as the downcall argument block, and returns
   the result in EAX, EDX:EAX or on the x87 stack. A thunk bound for stdcall removes the
   bound number of argument bytes on return, so it moves the return address (and the saved
   EBP) up by that much before it leaves.  */

#include "bridge/thunk_pool.h"

#if !defined(__i386__)
#error "this thunk_pool.S is the i386 pool"
#endif

        .text
        .p2align 4
        .type   thunk_common, @function
thunk_common:
        .cfi_startproc
        pushl   %ebp
        .cfi_def_cfa_offset 8
        .cfi_offset %ebp, -8
        movl    %esp, %ebp
        .cfi_def_cfa_register %ebp
        subl    $TARVELO_THUNK_RESULT_SIZE, %esp
        leal    -TARVELO_THUNK_RESULT_SIZE(%ebp), %ecx
        leal    8(%ebp), %edx
        /* The caller need not keep the 16-byte alignment that compiled code assumes.  */
        andl    $-16, %esp
        subl    $4, %esp
        pushl   %ecx
        pushl   %edx
        pushl   %eax
/*       8(%ebp)  the caller's first argument word: the argument block
         4(%ebp)  return address
         0(%ebp)  caller's EBP
       -16(%ebp)  result block
        padding
        result, block, index                                      <- ESP, 16-byte aligned  */
        call    tarvelo_thunk_invoke

        /* Return address and saved EBP up by the bytes to remove (0 for cdecl): the return
           address first, since with 4 it lands where the saved EBP is read from.  */
        movl    -TARVELO_THUNK_RESULT_SIZE+TARVELO_THUNK_RESULT_POP(%ebp), %ecx
        movl    4(%ebp), %edx
        movl    %edx, 4(%ebp,%ecx)
        movl    (%ebp), %edx
        movl    %edx, (%ebp,%ecx)

        movl    -TARVELO_THUNK_RESULT_SIZE+TARVELO_THUNK_RESULT_X87(%ebp), %eax
        cmpl    $TARVELO_THUNK_X87_FLOAT, %eax
        je      .Lfloat
        cmpl    $TARVELO_THUNK_X87_DOUBLE, %eax
        je      .Ldouble
.Lintegers:
        movl    -TARVELO_THUNK_RESULT_SIZE+TARVELO_THUNK_RESULT_VALUE(%ebp), %eax
        movl    -TARVELO_THUNK_RESULT_SIZE+TARVELO_THUNK_RESULT_VALUE+4(%ebp), %edx
        .cfi_remember_state
        leal    (%ebp,%ecx), %esp
        .cfi_def_cfa %esp, 8
        popl    %ebp
        .cfi_restore %ebp
        .cfi_def_cfa_offset 4
        ret
        .cfi_restore_state
.Lfloat:
        flds    -TARVELO_THUNK_RESULT_SIZE+TARVELO_THUNK_RESULT_VALUE(%ebp)
        jmp     .Lintegers
.Ldouble:
        fldl    -TARVELO_THUNK_RESULT_SIZE+TARVELO_THUNK_RESULT_VALUE(%ebp)
        jmp     .Lintegers
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
        movl    $.Lthunk_index, %eax
        {disp32} jmp thunk_common
        .set    .Lthunk_index, .Lthunk_index + 1
        .endr
        .org    tarvelo_thunk_pool + TARVELO_THUNK_COUNT * TARVELO_THUNK_STRIDE, 0xcc
        .size   tarvelo_thunk_pool, .-tarvelo_thunk_pool

        .section .note.GNU-stack, "", @progbits

/* Counting entries of a JNI function table: entry i adds 1 to jni_call_counts[i] when its
   JNIEnv* argument (RDI) is jni_counted_env, then jumps to jni_call_targets[i], the virtual
   machine's own function, with every argument register and the stack as they were. One stub
   serves every signature, variadic ones included, because it touches only R10, R11 and the
   flags: scratch registers that carry no argument (AL, the vector count of a variadic call,
   is left alone). */

#define JNI_COUNTED_ENTRIES 256
#define STUB_SIZE 16

        .bss
        .p2align 3
        .globl  jni_call_counts
        .hidden jni_call_counts
jni_call_counts:
        .zero   4 * JNI_COUNTED_ENTRIES
        .globl  jni_call_targets
        .hidden jni_call_targets
jni_call_targets:
        .zero   8 * JNI_COUNTED_ENTRIES
        .globl  jni_counted_env
        .hidden jni_counted_env
jni_counted_env:
        .zero   8

        .text
/* Stub i lies at jni_call_stubs + i * STUB_SIZE. */
        .p2align 4
        .globl  jni_call_stubs
        .hidden jni_call_stubs
jni_call_stubs:
        .set    entry, 0
        .rept   JNI_COUNTED_ENTRIES
        .p2align 4
        movl    $entry, %r11d
        jmp     count_and_forward
        .set    entry, entry + 1
        .endr

/* R11 = entry index. */
count_and_forward:
        cmpq    jni_counted_env(%rip), %rdi
        jne     1f
        leaq    jni_call_counts(%rip), %r10
        incl    (%r10, %r11, 4)
1:      leaq    jni_call_targets(%rip), %r10
        jmp     *(%r10, %r11, 8)

        .section .note.GNU-stack, "", @progbits

/* Counting entries of a JNI function table: entry i adds 1 to jni_call_counts[i] when its
   JNIEnv* argument is jni_counted_env, then jumps to jni_call_targets[i], the virtual
   machine's own function, with the caller's stack as it was. One stub serves every
   signature, variadic ones included, because it touches only EAX, ECX, EDX and the flags:
   scratch registers that carry no argument under cdecl, the convention of JNI functions on
   i386. */

#define JNI_COUNTED_ENTRIES 256
#define STUB_SIZE 16

        .bss
        .p2align 2
        .globl  jni_call_counts
        .hidden jni_call_counts
jni_call_counts:
        .zero   4 * JNI_COUNTED_ENTRIES
        .globl  jni_call_targets
        .hidden jni_call_targets
jni_call_targets:
        .zero   4 * JNI_COUNTED_ENTRIES
        .globl  jni_counted_env
        .hidden jni_counted_env
jni_counted_env:
        .zero   4

        .text
/* Stub i lies at jni_call_stubs + i * STUB_SIZE. */
        .p2align 4
        .globl  jni_call_stubs
        .hidden jni_call_stubs
jni_call_stubs:
        .set    entry, 0
        .rept   JNI_COUNTED_ENTRIES
        .p2align 4
        movl    $entry, %eax
        jmp     count_and_forward
        .set    entry, entry + 1
        .endr

/* EAX = entry index; the return address of the JNI call is at (%esp), its JNIEnv* above. */
count_and_forward:
        call    1f
1:      popl    %ecx
        addl    $_GLOBAL_OFFSET_TABLE_ + (. - 1b), %ecx
        movl    4(%esp), %edx
        cmpl    jni_counted_env@GOTOFF(%ecx), %edx
        jne     2f
        incl    jni_call_counts@GOTOFF(%ecx, %eax, 4)
2:      jmp     *jni_call_targets@GOTOFF(%ecx, %eax, 4)

        .section .note.GNU-stack, "", @progbits

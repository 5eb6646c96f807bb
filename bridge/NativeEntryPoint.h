#ifndef BRIDGE_NATIVEENTRYPOINT_H
#define BRIDGE_NATIVEENTRYPOINT_H

// Calling convention of the functions that native code outside the library calls to reach
// Java. On i386: stdcall (the callee removes its arguments), and the stack realigned on
// entry, since native callers need not keep the 16-byte alignment that this library's code
// assumes. On x86-64 they are ordinary System V functions.
#if defined(__i386__)
#define TARVELO_NATIVE_ENTRY __attribute__((stdcall, force_align_arg_pointer))
#else
#define TARVELO_NATIVE_ENTRY
#endif

#endif

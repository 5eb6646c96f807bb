/** \file
    The exported C interface of libtarvelo for native code: calling a function with a prepared
    argument block, and calling back into Java. Usable from C and C++, on i386 and x86-64.  */
#ifndef TARVELO_TARVELO_H
#define TARVELO_TARVELO_H

/** Result kind codes: which register the dispatch stub takes the callee's result from and how
    much of the jvalue it writes.  */
/**@{*/
#define TARVELO_RESULT_VOID 1
#define TARVELO_RESULT_BOOLEAN 2
#define TARVELO_RESULT_BYTE 3
#define TARVELO_RESULT_CHAR 4
#define TARVELO_RESULT_SHORT 5
#define TARVELO_RESULT_INT 6
#define TARVELO_RESULT_LONG 7
#define TARVELO_RESULT_FLOAT 8
#define TARVELO_RESULT_DOUBLE 9
/**@}*/

/** Calling-convention codes, i386 only: 0 is cdecl, every other value stdcall. x86-64 has one
    convention and ignores the code.  */
/**@{*/
#define TARVELO_CDECL 0
#define TARVELO_STDCALL 1
/**@}*/

/** The layout of the argument block.

    i386: the stack arguments alone, 32-bit words, the first parameter at the lowest address
    (a 64-bit value low word first); its size is a multiple of 4 from 0 to 65536.

    x86-64 (System V): an image of the argument registers followed by the stack arguments:
    \verbatim
      bytes   0-47   RDI, RSI, RDX, RCX, R8, R9: integer and address arguments, 8 bytes each
      bytes  48-111  XMM0-XMM7, 8 bytes each; a float in the low 4 bytes of its slot
      bytes 112-     stack arguments, one 8-byte slot each, the first at the lowest address
    \endverbatim
    Each integer or address argument takes the next integer register, each float or double the
    next XMM register, and an argument whose registers are used up the next stack slot. The
    size is 0 (no arguments; nothing is read) or 112 plus a multiple of 8 up to 112 + 65536.  */
/**@{*/
#define TARVELO_IMAGE_INTEGER_REGISTERS 0
#define TARVELO_IMAGE_VECTOR_REGISTERS 48
#define TARVELO_REGISTER_IMAGE_SIZE 112
#define TARVELO_STACK_SLOT_SIZE 8
#define TARVELO_LARGEST_STACK_AREA 65536
/**@}*/

#ifndef __ASSEMBLER__
#include <jni.h>

/** The callback entry points' convention: stdcall on i386 (they remove their own arguments),
    the ordinary one on x86-64.  */
#if defined(__i386__)
#define TARVELO_ENTRY_CONVENTION __attribute__((stdcall))
#else
#define TARVELO_ENTRY_CONVENTION
#endif

/** The functions below without C linkage are C++ functions of the library; C reaches them
    under their C++ symbol names.  */
#ifdef __cplusplus
#define TARVELO_CXX_SYMBOL(i386, x86_64)
#elif defined(__i386__)
#define TARVELO_CXX_SYMBOL(i386, x86_64) __asm__(i386)
#else
#define TARVELO_CXX_SYMBOL(i386, x86_64) __asm__(x86_64)
#endif

#ifdef __cplusplus
class JavaCallback;
typedef JavaCallback TarveloCallback;
extern "C" {
#else
/** A registered callback: the native address of its handle.  */
typedef struct JavaCallback TarveloCallback;
#endif

/** Calls function with the argsSize bytes at argsAddress as its arguments and stores its
    result into *result as returnType says. Checks nothing: the size must follow the rule of
    the target above. */
JNIEXPORT void asm_dispatch(void* function, int argsSize, const void* argsAddress, int returnType, jvalue* result,
                  int callingConvention);

/** Call the Java callback of a handle with the address of an argument block, whose layout
    the caller and the Java method agree on. Integer results arrive widened to 32 bits by the
    Java type's signedness; onCallPointer returns the Java long as an address.  */
/**@{*/
JNIEXPORT void TARVELO_ENTRY_CONVENTION onCallVoid(TarveloCallback* callback, void* args);
JNIEXPORT jint TARVELO_ENTRY_CONVENTION onCallBoolean(TarveloCallback* callback, void* args);
JNIEXPORT jint TARVELO_ENTRY_CONVENTION onCallByte(TarveloCallback* callback, void* args);
JNIEXPORT jint TARVELO_ENTRY_CONVENTION onCallChar(TarveloCallback* callback, void* args);
JNIEXPORT jint TARVELO_ENTRY_CONVENTION onCallShort(TarveloCallback* callback, void* args);
JNIEXPORT jint TARVELO_ENTRY_CONVENTION onCallInt(TarveloCallback* callback, void* args);
JNIEXPORT jlong TARVELO_ENTRY_CONVENTION onCallLong(TarveloCallback* callback, void* args);
JNIEXPORT jfloat TARVELO_ENTRY_CONVENTION onCallFloat(TarveloCallback* callback, void* args);
JNIEXPORT jdouble TARVELO_ENTRY_CONVENTION onCallDouble(TarveloCallback* callback, void* args);
JNIEXPORT void* TARVELO_ENTRY_CONVENTION onCallPointer(TarveloCallback* callback, void* args);
/**@}*/

/** The native address that the registered Java library object reports for an exported Java
   method's name (modified UTF-8), or 0.  */
JNIEXPORT jlong TARVELO_ENTRY_CONVENTION findExportedMethodAddress(const char* name);

#ifdef __cplusplus
}
#endif

/** Class paths of the exceptions that the raise functions below create. Like globalJVM, C++
    variables of the library, whose symbols carry no C++ decoration.  */
/**@{*/
JNIEXPORT extern const char* TarveloNativeExceptionClassName;
JNIEXPORT extern const char* TarveloWin32ExceptionClassName;
/**@}*/

/** The virtual machine that loaded the library, and replacing it.  */
/**@{*/
JNIEXPORT extern JavaVM* globalJVM;
JNIEXPORT JavaVM* getJavaVM(void) TARVELO_CXX_SYMBOL("_Z9getJavaVMv", "_Z9getJavaVMv");
JNIEXPORT void setJavaVM(JavaVM* vm) TARVELO_CXX_SYMBOL("_Z9setJavaVMP7JavaVM_", "_Z9setJavaVMP7JavaVM_");
/**@}*/

/** The calling thread's environment, attaching the thread when the virtual machine does not
   know it yet; null before the library is loaded or when attaching fails.  */
JNIEXPORT JNIEnv* getJNIEnv(void) TARVELO_CXX_SYMBOL("_Z9getJNIEnvv", "_Z9getJNIEnvv");

/** Each leaves one Java exception pending on env (the one already pending, if any).  */
/**@{*/
JNIEXPORT void ThrowNativeException(JNIEnv* env, const char* message)
    TARVELO_CXX_SYMBOL("_Z20ThrowNativeExceptionP7JNIEnv_PKc", "_Z20ThrowNativeExceptionP7JNIEnv_PKc");
JNIEXPORT void ThrowNativeWin32Exception(JNIEnv* env, const char* message, int code)
    TARVELO_CXX_SYMBOL("_Z25ThrowNativeWin32ExceptionP7JNIEnv_PKci", "_Z25ThrowNativeWin32ExceptionP7JNIEnv_PKci");
JNIEXPORT void ThrowByName(JNIEnv* env, const char* className, const char* message)
    TARVELO_CXX_SYMBOL("_Z11ThrowByNameP7JNIEnv_PKcS2_", "_Z11ThrowByNameP7JNIEnv_PKcS2_");
/**@}*/
/** 1 while a Java exception is pending on env, 0 otherwise.  */
JNIEXPORT int checkException(JNIEnv* env) TARVELO_CXX_SYMBOL("_Z14checkExceptionP7JNIEnv_", "_Z14checkExceptionP7JNIEnv_");

/** asm_dispatch behind the checks of the Java call natives: a size outside the target's rule,
   function 0 or a null block is refused with TarveloNativeException on env (when not null),
   and an exception escaping the function is discarded.  */
JNIEXPORT void callGeneric(JNIEnv* env, jlong address, int returnType, jvalue* result, jlong argsAddress,
                 int callingConvention, jlong argsSize)
    TARVELO_CXX_SYMBOL("_Z11callGenericP7JNIEnv_xiP6jvaluexix", "_Z11callGenericP7JNIEnv_liP6jvaluelil");

#undef TARVELO_CXX_SYMBOL
#endif /* __ASSEMBLER__ */

#endif

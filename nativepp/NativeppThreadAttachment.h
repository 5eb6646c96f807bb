#ifndef NATIVEPP_NATIVEPPTHREADATTACHMENT_H
#define NATIVEPP_NATIVEPPTHREADATTACHMENT_H

#include <jni.h>

#include "nativepp/NativeppExport.h"

namespace nativepp {

/// Attaches native threads to the virtual machine for the rest of their life, and detaches
/// them when they exit: an exited thread that stayed attached would count as a live
/// non-daemon thread, and the virtual machine's shutdown would wait for it forever.
/// Owns: the attachment of the threads it attached (never of Java threads). Threads: any.
/// Throws: nothing; a thread that cannot be attached gets no environment.
class NATIVEPP_EXPORT NativeppThreadAttachment {
public:
    /// AttachCurrentThread with no arguments (non-daemon, no name, no group); its result.
    static jint attach(JavaVM* vm, JNIEnv** env);
    /// The calling thread's environment: what GetEnv finds, or else what attach makes; null
    /// when attaching fails. The one way both the bridge and the binding layer get one.
    static JNIEnv* currentEnv(JavaVM* vm, jint version);

private:
    static void detachAtExit(void* vm);
};

}  // namespace nativepp

#endif

#ifndef NATIVEPP_NATIVEPPSYNCHRONIZED_H
#define NATIVEPP_NATIVEPPSYNCHRONIZED_H

#include <jni.h>

#include "nativepp/NativeppExport.h"

namespace nativepp {

class NativeppMonitor;

/// Holds a Java object's monitor, or a proxy's native lock (a NativeppMonitor), from
/// construction to destruction or an explicit exit().
/// Owns: the entered monitor or lock (not the object's reference, which the caller keeps
/// alive). Threads: the thread that entered it, only. Throws, when entering: the pending Java
/// exception first (nothing entered), the mapped "java/lang/NullPointerException" for a null
/// object, NativeppException "Error entering synchronized zone"; the destructor never throws.
class NATIVEPP_EXPORT NativeppSynchronized {
public:
    /// Takes monitor, a proxy's native lock; a pending Java exception is thrown first, as for
    /// a Java monitor.
    NativeppSynchronized(NativeppMonitor* monitor, JNIEnv* env);
    /// Enters the monitor of obj, which the caller keeps alive; obj is not taken over.
    NativeppSynchronized(jobject obj, JNIEnv* env);
    /// Never throws: a failed exit is swallowed, its Java exception already cleared.
    virtual ~NativeppSynchronized();

    NativeppSynchronized(const NativeppSynchronized&) = delete;
    NativeppSynchronized& operator=(const NativeppSynchronized&) = delete;

    /// Entering null raises the mapped NullPointerException instead of reaching JNI. A Java
    /// exception already pending is thrown as its proxy and nothing is entered.
    static void enter(jobject obj, JNIEnv* env);
    /// With a Java exception already pending, only leaves the monitor: the exception stays.
    static void exit(jobject obj, JNIEnv* env);

    /// Leaves what the constructor entered, early; the destructor then does nothing.
    void exit();

private:
    void init(jobject obj, JNIEnv* env);

    jobject obj;
    JNIEnv* env;
    NativeppMonitor* lockedMonitor;
};

}  // namespace nativepp

#endif

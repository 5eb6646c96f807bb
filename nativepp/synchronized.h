#ifndef NATIVEPP_SYNCHRONIZED_H
#define NATIVEPP_SYNCHRONIZED_H

#include <jni.h>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectLocal.h"

namespace nativepp {
class NativeppObject;
}

/// A scoped block that holds the monitor of a proxy's Java object, so that native code
/// serialises with Java code synchronising on the same object.
/// Owns: a local reference to that object and the entered monitor. Threads: the thread that
/// entered it. Throws: as NativeppSynchronized, when entering.
class NATIVEPP_EXPORT synchronized {
public:
    /// An empty proxy raises the mapped NullPointerException and holds nothing.
    explicit synchronized(nativepp::NativeppObject& o);
    /// Never throws: a failed exit is swallowed, its Java exception already cleared.
    virtual ~synchronized();

    synchronized(const synchronized&) = delete;
    synchronized& operator=(const synchronized&) = delete;

    /// Enters the monitor of holder's object; as NativeppSynchronized::enter.
    static void enter(nativepp::NativeppJObjectLocal* holder, JNIEnv* env);
    /// Leaves the monitor of holder's object; as NativeppSynchronized::exit.
    static void exit(nativepp::NativeppJObjectLocal* holder, JNIEnv* env);

    /// Leaves the monitor early; the destructor then does nothing.
    void exit();

private:
    nativepp::NativeppJObjectLocal* holder;
    JNIEnv* env;
};

#endif

#include "nativepp/NativeppSynchronized.h"

#include "nativepp/NativeppException.h"
#include "nativepp/NativeppMonitor.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

NativeppSynchronized::NativeppSynchronized(NativeppMonitor* monitor, JNIEnv* jniEnv)
    : obj(nullptr), env(nullptr), lockedMonitor(nullptr) {
    // The pending exception goes first, as for a Java monitor; nothing can throw once locked.
    NativeppThrowable::nativeThrowIfJavaThrown(jniEnv);
    monitor->lock();
    lockedMonitor = monitor;
}

NativeppSynchronized::NativeppSynchronized(jobject object, JNIEnv* jniEnv)
    : obj(nullptr), env(nullptr), lockedMonitor(nullptr) {
    init(object, jniEnv);
}

NativeppSynchronized::~NativeppSynchronized() {
    try {
        exit();
    } catch (...) {
    }
}

void NativeppSynchronized::enter(jobject object, JNIEnv* jniEnv) {
    // An exception the caller left pending goes first, before anything is entered: thrown
    // after a successful MonitorEnter, it would leave the monitor held for good.
    NativeppThrowable::nativeThrowIfJavaThrown(jniEnv);
    // MonitorEnter(null) is undefined in JNI; Java's synchronized(null) throws this.
    if (object == nullptr) {
        NativeppThrowable::nativeThrow("java/lang/NullPointerException", "cannot synchronize on null",
                                       jniEnv);
    }
    const jint result = jniEnv->MonitorEnter(object);
    if (result == 0 && !jniEnv->ExceptionCheck()) {
        return;
    }
    if (result == 0) {
        jniEnv->MonitorExit(object);  // a failed entry holds nothing
    }
    NativeppThrowable::nativeThrowIfJavaThrown(jniEnv);
    throw NativeppException("Error entering synchronized zone");
}

void NativeppSynchronized::exit(jobject object, JNIEnv* jniEnv) {
    // An exception made pending on purpose (javaThrow inside the scope) belongs to the Java
    // caller: leave the monitor (JNI allows MonitorExit with one pending) and keep it, rather
    // than clear it and throw it natively to a scope destructor that swallows it.
    if (jniEnv->ExceptionCheck()) {
        jniEnv->MonitorExit(object);
        return;
    }
    const jint result = jniEnv->MonitorExit(object);
    NativeppThrowable::nativeThrowIfJavaThrown(jniEnv);
    if (result != 0) {
        throw NativeppException("Error exiting synchronized zone");
    }
}

void NativeppSynchronized::init(jobject object, JNIEnv* jniEnv) {
    enter(object, jniEnv);
    obj = object;
    env = jniEnv;
}

void NativeppSynchronized::exit() {
    if (lockedMonitor != nullptr) {
        NativeppMonitor* held = lockedMonitor;
        lockedMonitor = nullptr;
        held->unlock();
        return;
    }
    if (obj == nullptr) {
        return;
    }
    jobject held = obj;
    obj = nullptr;
    exit(held, env);
}

}  // namespace nativepp

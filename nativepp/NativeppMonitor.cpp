#include "nativepp/NativeppMonitor.h"

#include "nativepp/NativeppThrowable.h"

namespace nativepp {

NativeppClass NativeppMonitor::monitorClass("java/lang/Object", "Ljava/lang/Object;");

NativeppMonitor::NativeppMonitor() : javaMonitor(nullptr) {}

NativeppMonitor::~NativeppMonitor() { delete javaMonitor.load(); }

NativeppJObjectGlobal* NativeppMonitor::newJavaMonitor(JNIEnv* env) {
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    jobject allocated = env->AllocObject(monitorClass.getJClass(env)->getJClass());
    NativeppThrowable::nativeThrowIfJavaThrown(env);
    return new NativeppJObjectGlobal(allocated, 1, env);
}

NativeppJObjectGlobal* NativeppMonitor::getJavaMonitor(JNIEnv* env) {
    NativeppJObjectGlobal* monitor = javaMonitor.load(std::memory_order_acquire);
    if (monitor != nullptr) {
        return monitor;
    }
    NativeppSimpleLock::Guard guard(javaMonitorLock);
    monitor = javaMonitor.load(std::memory_order_acquire);
    if (monitor == nullptr) {
        monitor = newJavaMonitor(env);
        javaMonitor.store(monitor, std::memory_order_release);
    }
    return monitor;
}

jobject NativeppMonitor::getJObject(JNIEnv* env) { return getJavaMonitor(env)->getJObject(); }

}  // namespace nativepp

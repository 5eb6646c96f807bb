#include "nativepp/NativeppMonitor.h"

#include <memory>

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
    // Made without a lock, as an allocation may run Java code: threads racing here each make
    // one, the first to publish wins, and the others release theirs.
    std::unique_ptr<NativeppJObjectGlobal> made(newJavaMonitor(env));
    if (javaMonitor.compare_exchange_strong(monitor, made.get(), std::memory_order_acq_rel)) {
        return made.release();
    }
    return monitor;
}

jobject NativeppMonitor::getJObject(JNIEnv* env) { return getJavaMonitor(env)->getJObject(); }

}  // namespace nativepp

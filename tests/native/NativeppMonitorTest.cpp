#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

#include "java/lang/Object.h"
#include "java/lang/RuntimeException.h"
#include "java/lang/Throwable.h"
#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppMonitor.h"
#include "nativepp/NativeppSimpleLock.h"
#include "nativepp/NativeppSynchronized.h"
#include "nativepp/NativeppThrowable.h"
#include "nativepp/synchronized.h"
#include "tests/native/JNICallCounter.h"
#include "tests/native/NativeppTestSupport.h"

using nativepp::NativeppJObjectGlobal;
using nativepp::NativeppJObjectLocal;
using nativepp::NativeppJVM;
using nativepp::NativeppMonitor;
using nativepp::NativeppSimpleLock;
using nativepp::NativeppSynchronized;
using nativepp::NativeppThrowable;

namespace {

class NativeppMonitors : public NativeppTest {};

// The name of the Java exception class that a proxy thrown by operation is bound to.
template <typename Operation>
std::string mappedExceptionOf(JNIEnv* env, Operation operation) {
    try {
        operation();
    } catch (java::lang::RuntimeException& e) {
        return classNameOf(env, e.nativeppGetJObjectLocalWrapper(env).getJObject());
    }
    return "<no exception>";
}

}  // namespace

TEST(NativeppSimpleLock, ExcludesOtherThreadsAndIsReleasedWhenAnExceptionLeavesTheScope) {
    NativeppSimpleLock lock;
    long long unguarded = 0;
    runTogether(4, [&](int) {
        for (int i = 0; i < 2000; ++i) {
            NativeppSimpleLock::Guard guard(lock);
            unguarded = unguarded + 1;
        }
    });
    EXPECT_EQ(8000, unguarded);
    EXPECT_THROW(
        {
            NativeppSimpleLock::Guard guard(lock);
            throw std::runtime_error("leaves the scope");
        },
        std::runtime_error);
    std::atomic<bool> acquired{false};
    std::thread other([&] {
        NativeppSimpleLock::Guard guard(lock);
        acquired = true;
    });
    other.join();
    EXPECT_TRUE(acquired);
    EXPECT_EQ(2u, sizeof(NativeppSimpleLock));
}

TEST_F(NativeppMonitors, AFreshMonitorMakesNoJNICallUntilUsed) {
    JNICallCounter counter;
    { NativeppMonitor monitor; }
    EXPECT_EQ(0, counter.referenceCalls() + counter.calls("AllocObject"));
}

TEST_F(NativeppMonitors, ThreadsRacingOnAFreshMonitorCreateOneJavaObject) {
    for (int round = 0; round < 20; ++round) {
        NativeppMonitor monitor;
        NativeppJObjectGlobal* seen[4] = {};
        runTogether(4, [&](int i) { seen[i] = monitor.getJavaMonitor(NativeppJVM::getJNIEnv()); });
        EXPECT_EQ(std::set<NativeppJObjectGlobal*>(seen, seen + 4).size(), 1u) << "round " << round;
        EXPECT_EQ(globalReferencesBefore + 1, JNICallCounter::liveGlobalReferences());
        EXPECT_EQ("java/lang/Object", classNameOf(env, monitor.getJObject(env)));
    }
}

TEST_F(NativeppMonitors, NestedSynchronizedBlocksHoldUntilTheOuterEnds) {
    NativeppJObjectLocal obj = newObject(env, "java/lang/Object");
    java::lang::Object proxy(obj);
    {
        synchronized outer(proxy);
        {
            synchronized inner(proxy);
            EXPECT_TRUE(holdsLock(env, obj.getJObject()));
        }
        EXPECT_TRUE(holdsLock(env, obj.getJObject()));
    }
    EXPECT_FALSE(holdsLock(env, obj.getJObject()));
}

TEST_F(NativeppMonitors, AnExplicitExitIsNotRepeatedByTheDestructor) {
    NativeppJObjectLocal obj = newObject(env, "java/lang/Object");
    java::lang::Object proxy(obj);
    JNICallCounter counter;
    {
        synchronized block(proxy);
        NativeppSynchronized scoped(obj.getJObject(), env);
        scoped.exit();
        scoped.exit();
        block.exit();
        EXPECT_FALSE(holdsLock(env, obj.getJObject()));
    }
    // The proxy's private lock is native: no JNI monitor beyond the object's own.
    EXPECT_EQ(2, counter.calls("MonitorEnter"));
    EXPECT_EQ(2, counter.calls("MonitorExit"));
}

TEST_F(NativeppMonitors, ExitingAMonitorNotHeldRaisesTheMappedIllegalMonitorStateException) {
    NativeppJObjectLocal obj = newObject(env, "java/lang/Object");
    // IllegalMonitorStateException has no proxy: its nearest registered ancestor stands in.
    EXPECT_EQ("java/lang/IllegalMonitorStateException",
              mappedExceptionOf(env, [&] { NativeppSynchronized::exit(obj.getJObject(), env); }));
}

TEST_F(NativeppMonitors, EnteringTheMonitorOfAnEmptyProxyRaisesTheMappedNullPointerException) {
    java::lang::Object empty;
    JNICallCounter counter;
    EXPECT_EQ("java/lang/NullPointerException", mappedExceptionOf(env, [&] { synchronized block(empty); }));
    EXPECT_EQ("java/lang/NullPointerException", mappedExceptionOf(env, [&] { NativeppSynchronized held(static_cast<jobject>(nullptr), env); }));
    EXPECT_EQ(0, counter.calls("MonitorEnter(null)"));
}

TEST_F(NativeppMonitors, ADestructorSwallowsAFailedExit) {
    NativeppJObjectLocal obj = newObject(env, "java/lang/Object");
    java::lang::Object proxy(obj);
    JNICallCounter counter;
    EXPECT_NO_THROW({
        synchronized block(proxy);
        NativeppSynchronized scoped(obj.getJObject(), env);
        // Leave both monitors behind the scopes' backs: each destructor's exit now fails.
        env->MonitorExit(obj.getJObject());
        env->MonitorExit(obj.getJObject());
    });
    // Two by hand, one per destructor; the proxy's private lock is native.
    EXPECT_EQ(4, counter.calls("MonitorExit"));
    EXPECT_FALSE(env->ExceptionCheck());
}

TEST_F(NativeppMonitors, LeavingAScopeKeepsTheJavaExceptionItsBodyMadePending) {
    NativeppJObjectLocal obj = newObject(env, "java/lang/Object");
    java::lang::Object proxy(obj);
    java::lang::RuntimeException thrown(newObject(env, "java/lang/RuntimeException"));
    // Each body hands thrown to its Java caller, then leaves its scope (explicitly or not).
    const std::vector<std::function<void()>> scopes = {
        [&] {
            synchronized block(proxy);
            NativeppThrowable::javaThrow(thrown, env);
        },
        [&] {
            NativeppSynchronized held(obj.getJObject(), env);
            NativeppThrowable::javaThrow(thrown, env);
        },
        [&] {
            synchronized block(proxy);
            NativeppThrowable::javaThrow(thrown, env);
            block.exit();
        },
        [&] {
            NativeppSynchronized held(obj.getJObject(), env);
            NativeppThrowable::javaThrow(thrown, env);
            held.exit();
        },
    };
    for (size_t i = 0; i < scopes.size(); ++i) {
        EXPECT_NO_THROW(scopes[i]()) << "scope " << i;
        jthrowable pending = env->ExceptionOccurred();
        env->ExceptionClear();
        EXPECT_TRUE(pending != nullptr && env->IsSameObject(pending, thrown.nativeppGetJObjectGlobal(env).getJObject()))
            << "scope " << i;
        env->DeleteLocalRef(pending);
        EXPECT_FALSE(holdsLock(env, obj.getJObject())) << "scope " << i;
    }
}

TEST_F(NativeppMonitors, AReadEnteredWithAJavaExceptionPendingLeavesTheProxyToOtherThreads) {
    NativeppJObjectLocal obj = newObject(env, "java/lang/Object");
    java::lang::Object proxy(obj);
    NativeppMonitor* monitor = proxy.nativeppGetMonitor();
    EXPECT_EQ(nullptr, env->FindClass("com/drovantel/NoSuchClass"));
    EXPECT_THROW(proxy.nativeppGetJObjectLocalWrapper(env), java::lang::Throwable);
    EXPECT_TRUE(std::async(std::launch::async, [monitor] {
                    std::unique_lock<NativeppMonitor> taken(*monitor, std::try_to_lock);
                    return taken.owns_lock();
                }).get());
    auto reader = std::async(std::launch::async, [&proxy] {
        return !proxy.nativeppGetJObjectLocalWrapper(NativeppJVM::getJNIEnv()).isNull();
    });
    // Far more than one read takes: past it, the reader is blocked for good.
    if (reader.wait_for(std::chrono::minutes(1)) == std::future_status::timeout) {
        ADD_FAILURE() << "another thread cannot read the proxy";
        monitor->unlock();
    }
    EXPECT_TRUE(reader.get());
}

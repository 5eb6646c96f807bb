#include <gtest/gtest.h>

#include <cstdarg>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "java/lang/Integer.h"
#include "java/lang/Object.h"
#include "java/lang/String.h"
#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppMonitor.h"
#include "tests/native/FieldHolder.h"
#include "tests/native/MembersTestSupport.h"

using com::drovantel::tarvelo::members::FieldHolder;
using java::lang::Object;
using java::lang::String;
using nativepp::NativeppJObjectLocal;
using nativepp::NativeppMonitor;

namespace {

NativeppMonitor* watched = nullptr;
const JNINativeInterface_* forwardTo = nullptr;
std::vector<std::string> heldAcross;
int watchedCalls = 0;

// The proxy's lock is recursive: only another thread can tell whether this one holds it.
void noteIfHeld(const char* call) {
    ++watchedCalls;
    bool taken = false;
    std::thread other([&] {
        taken = watched->try_lock();
        if (taken) {
            watched->unlock();
        }
    });
    other.join();
    if (!taken) {
        heldAcross.push_back(call);
    }
}

jobject JNICALL watchedNewObjectV(JNIEnv* e, jclass cls, jmethodID id, va_list args) {
    noteIfHeld("NewObject");
    return forwardTo->NewObjectV(e, cls, id, args);
}

jobject JNICALL watchedCallObjectMethodV(JNIEnv* e, jobject obj, jmethodID id, va_list args) {
    noteIfHeld("CallObjectMethod");
    return forwardTo->CallObjectMethodV(e, obj, id, args);
}

jint JNICALL watchedCallIntMethodV(JNIEnv* e, jobject obj, jmethodID id, va_list args) {
    noteIfHeld("CallIntMethod");
    return forwardTo->CallIntMethodV(e, obj, id, args);
}

jclass JNICALL watchedFindClass(JNIEnv* e, const char* name) {
    noteIfHeld("FindClass");
    return forwardTo->FindClass(e, name);
}

jmethodID JNICALL watchedGetMethodID(JNIEnv* e, jclass cls, const char* name, const char* sig) {
    noteIfHeld("GetMethodID");
    return forwardTo->GetMethodID(e, cls, name, sig);
}

// While it lives, the JNI calls of the calling thread that can run Java code note whether
// they were made under monitor.
class LockWatch {
public:
    LockWatch(JNIEnv* env, NativeppMonitor* monitor) : env(env), original(env->functions), table(*env->functions) {
        watched = monitor;
        forwardTo = original;
        heldAcross.clear();
        watchedCalls = 0;
        table.NewObjectV = watchedNewObjectV;
        table.CallObjectMethodV = watchedCallObjectMethodV;
        table.CallIntMethodV = watchedCallIntMethodV;
        table.FindClass = watchedFindClass;
        table.GetMethodID = watchedGetMethodID;
        env->functions = &table;
    }
    ~LockWatch() { env->functions = original; }

    LockWatch(const LockWatch&) = delete;
    LockWatch& operator=(const LockWatch&) = delete;

private:
    JNIEnv* env;
    const JNINativeInterface_* original;
    JNINativeInterface_ table;
};

class NativeppRefusals : public NativeppTest {};

}  // namespace

// Making the Java exception of a refused binding runs Java code, which may need the proxy
// from another thread: the proxy's lock is released before.
TEST_F(NativeppRefusals, AreRaisedAfterTheProxysLockIsReleased) {
    auto holder = std::make_unique<FieldHolder>(_nativeppNewInstanceParamDiscriminator);
    FieldHolder emptyOwner;
    String text("text");
    String moved("moved");
    NativeppJObjectLocal integer = newInteger(env, 7);
    Object integerProxy(integer);
    struct RefusalCase {
        const char* what;
        nativepp::NativeppObject& proxy;
        std::function<void()> bind;
        const char* raised;
    };
    const std::vector<RefusalCase> cases = {
        {"an object of another class", text, [&] { text.nativeppAssign(integer); }, "java/lang/ClassCastException"},
        {"a proxy of another class", text, [&] { text.nativeppAssign(integerProxy); },
         "java/lang/ClassCastException"},
        {"a field given another class", holder->text, [&] { holder->text.nativeppAssign(integer); },
         "java/lang/ClassCastException"},
        {"a final field", holder->finalText, [&] { holder->finalText = moved; }, "java/lang/IllegalAccessException"},
        {"a field of an empty owner, read", emptyOwner.text, [&] { emptyOwner.text.nativeppGetJObjectGlobal(env); },
         "java/lang/NullPointerException"},
        {"a field of an empty owner, written", emptyOwner.text, [&] { emptyOwner.text = moved; },
         "java/lang/NullPointerException"},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::string raised;
        {
            LockWatch watch(env, c.proxy.nativeppGetMonitor());
            raised = thrownJavaClassOf(env, c.bind);
        }
        EXPECT_EQ(c.raised, raised);
        EXPECT_LT(0, watchedCalls);
        EXPECT_EQ(std::vector<std::string>(), heldAcross);
    }
}

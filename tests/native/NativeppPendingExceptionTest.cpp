// Operations of the binding layer entered while the caller's own JNI call has left a Java
// exception pending: each throws that exception as its proxy before any other JNI call, and
// holds or keeps nothing.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "java/lang/Object.h"
#include "java/lang/String.h"
#include "java/lang/Throwable.h"
#include "nativepp/NativeppClass.h"
#include "nativepp/NativeppJObjectGlobal.h"
#include "nativepp/NativeppMonitor.h"
#include "nativepp/NativeppObjectClass.h"
#include "nativepp/NativeppString.h"
#include "nativepp/NativeppSynchronized.h"
#include "nativepp/NativeppThrowable.h"
#include "nativepp/synchronized.h"
#include "tests/native/JNICallCounter.h"
#include "tests/native/NativeppTestSupport.h"

using java::lang::Object;
using nativepp::NativeppJObjectLocal;
using nativepp::NativeppString;
using nativepp::NativeppThrowable;

namespace {

// What the operations work on, made before the exception is raised.
struct Subjects {
    Object& proxy;  // its monitor object exists
    Object& fresh;  // its monitor object does not exist yet
    java::lang::String& string;
    NativeppJObjectLocal& obj;
    NativeppJObjectLocal& text;
    NativeppJObjectLocal& throwable;
};

struct Entry {
    const char* operation;
    std::function<void(JNIEnv*, Subjects&)> run;
};

const Entry kEntries[] = {
    {"read through a proxy", [](JNIEnv* e, Subjects& s) { s.proxy.nativeppGetJObjectLocalWrapper(e); }},
    {"read through a proxy whose monitor is new", [](JNIEnv* e, Subjects& s) { s.fresh.nativeppGetJObjectLocal(e); }},
    {"assign", [](JNIEnv* e, Subjects& s) { s.proxy.nativeppAssign(s.obj, e); }},
    {"assign a proxy of another class", [](JNIEnv*, Subjects& s) { s.proxy = s.string; }},
    {"compare", [](JNIEnv*, Subjects& s) { s.proxy.nativeppEqualRef(&s.fresh); }},
    {"instanceof", [](JNIEnv* e, Subjects& s) { s.proxy.instanceof(Object::nativeppClass.getJClass(e)->getJClass(), e); }},
    {"bind an instance", [](JNIEnv*, Subjects& s) { Object instance(s.obj, _nativeppNewInstanceParamDiscriminator); }},
    {"run a Java constructor", [](JNIEnv*, Subjects&) { Object made(_nativeppNewInstanceParamDiscriminator); }},
    {"synchronized block", [](JNIEnv*, Subjects& s) { synchronized block(s.proxy); }},
    {"synchronized scope", [](JNIEnv* e, Subjects& s) { nativepp::NativeppSynchronized held(s.obj.getJObject(), e); }},
    {"global holder", [](JNIEnv* e, Subjects& s) { nativepp::NativeppJObjectGlobal global(s.obj.getJObject(), 0, e); }},
    {"local holder", [](JNIEnv* e, Subjects& s) { NativeppJObjectLocal local(s.obj.getJObject(), 0, e); }},
    {"local copy", [](JNIEnv* e, Subjects& s) { NativeppJObjectLocal local(s.obj.getJObjectLocalCopy(e), e); }},
    {"class reference", [](JNIEnv* e, Subjects&) { nativepp::NativeppClass("java/lang/Integer", "").getJClass(e); }},
    {"type test", [](JNIEnv* e, Subjects& s) { Object::nativeppClass.isInstanceOf(s.obj, e); }},
    {"proxy of the exact class", [](JNIEnv* e, Subjects& s) {
         delete nativepp::NativeppObjectClass::newObjectInstance(s.obj, nullptr, e);
     }},
    {"new string", [](JNIEnv* e, Subjects&) { NativeppString::newJStringWrapper("text", e); }},
    {"new wide string", [](JNIEnv* e, Subjects&) { NativeppString::newJStringWrapper(L"text", e); }},
    {"string chars", [](JNIEnv* e, Subjects& s) { NativeppString::getStringUTFChars(s.text, e); }},
    {"wide string chars", [](JNIEnv* e, Subjects& s) { NativeppString::getStringChars(s.text, e); }},
    {"raise by name", [](JNIEnv* e, Subjects&) { NativeppThrowable::nativeThrow("java/lang/NullPointerException", e); }},
};

class NativeppPendingException : public NativeppTest {
protected:
    // A failed FindClass of the caller's own: leaves a NoClassDefFoundError pending.
    NativeppJObjectLocal raiseByFailedLookup() {
        EXPECT_EQ(nullptr, env->FindClass("com/drovantel/NoSuchClass"));
        return NativeppJObjectLocal(env->ExceptionOccurred(), env);
    }
};

}  // namespace

TEST_F(NativeppPendingException, IsThrownFirstByEveryOperationThatHoldsAndKeepsNothing) {
    NativeppJObjectLocal obj = newObject(env, "java/lang/Object");
    NativeppJObjectLocal text = NativeppString::newJStringWrapper("text", env);
    NativeppJObjectLocal throwable = newObject(env, "java/lang/RuntimeException");
    Object proxy(obj);
    java::lang::String string(text);
    proxy.nativeppGetMonitor()->getJavaMonitor(env);
    for (const Entry& entry : kEntries) {
        Object fresh(obj);
        Subjects subjects{proxy, fresh, string, obj, text, throwable};
        JNICallCounter counter;
        NativeppJObjectLocal pending = raiseByFailedLookup();
        const std::string warnings = checkedJNIWarningsOf([&] {
            try {
                entry.run(env, subjects);
                ADD_FAILURE() << entry.operation << ": nothing thrown";
            } catch (java::lang::Throwable& thrown) {
                EXPECT_TRUE(env->IsSameObject(pending.getJObject(), thrown.nativeppGetJObjectGlobal(env).getJObject()))
                    << entry.operation;
            } catch (...) {
                ADD_FAILURE() << entry.operation << ": something else thrown";
            }
        });
        EXPECT_EQ("", warnings) << entry.operation;
        EXPECT_FALSE(env->ExceptionCheck()) << entry.operation;
        env->ExceptionClear();
        EXPECT_EQ(counter.calls("MonitorEnter"), counter.calls("MonitorExit")) << entry.operation;
        EXPECT_EQ(counter.calls("NewGlobalRef"), counter.calls("DeleteGlobalRef")) << entry.operation;
    }
    EXPECT_TRUE(env->IsSameObject(obj.getJObject(), proxy.nativeppGetJObjectGlobal(env).getJObject()));
}

TEST_F(NativeppPendingException, StaysPendingThroughACopyWhichMakesNoJNICall) {
    NativeppJObjectLocal obj = newObject(env, "java/lang/Object");
    Object proxy(obj);
    NativeppJObjectLocal pending = raiseByFailedLookup();
    JNICallCounter counter;
    const std::string warnings = checkedJNIWarningsOf([&] { Object copy(proxy); });
    EXPECT_EQ(0u, counter.counts.size());
    EXPECT_EQ("", warnings);
    EXPECT_TRUE(env->ExceptionCheck());
    env->ExceptionClear();
}

// Handing a throwable back to Java happens at the JNI boundary, where a native throw would
// escape the native method: the earlier exception stays pending for Java instead.
TEST_F(NativeppPendingException, StaysPendingWhenAThrowableIsHandedToJava) {
    NativeppJObjectLocal throwable = newObject(env, "java/lang/RuntimeException");
    Object proxy(throwable);
    const std::function<jint()> forms[] = {
        [&] { return NativeppThrowable::javaThrow(throwable, env); },
        [&] { return NativeppThrowable::javaThrow(&proxy, env); },
        [&] { return NativeppThrowable::javaThrow(proxy, env); },
    };
    for (const auto& handOver : forms) {
        NativeppJObjectLocal pending = raiseByFailedLookup();
        jint result = 0;
        const std::string warnings = checkedJNIWarningsOf([&] { EXPECT_NO_THROW(result = handOver()); });
        EXPECT_EQ("", warnings);
        EXPECT_EQ(JNI_ERR, result);
        NativeppJObjectLocal stillPending(env->ExceptionOccurred(), env);
        env->ExceptionClear();
        EXPECT_TRUE(env->IsSameObject(pending.getJObject(), stillPending.getJObject()));
    }
}

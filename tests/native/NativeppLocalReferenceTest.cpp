// Every public operation of the binding layer gives back each local reference it makes: each
// runs a thousand times inside one small local frame, which must hold no more references
// afterwards than before. The virtual machine counts them; -Xcheck:jni of this JDK does not
// warn about a frame that outgrows its capacity.
#include <gtest/gtest.h>

#include <functional>

#include "java/lang/Object.h"
#include "java/lang/RuntimeException.h"
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
#include "tests/native/NativeppTestSupport.h"

using java::lang::Object;
using nativepp::NativeppJObjectLocal;
using nativepp::NativeppObjectClass;
using nativepp::NativeppString;
using nativepp::NativeppThrowable;

namespace {

constexpr int kRuns = 1000;
constexpr jint kFrameCapacity = 16;

// What the operations work on, made outside the measured frame.
struct Subjects {
    Object& proxy;
    Object& other;
    NativeppJObjectLocal& obj;
    java::lang::RuntimeException& throwable;
    jclass objectClass;
};

struct Operation {
    const char* name;
    std::function<void(JNIEnv*, Subjects&)> run;
};

void thrownAsProxy(const std::function<void()>& raise) {
    try {
        raise();
        ADD_FAILURE() << "nothing thrown";
    } catch (java::lang::Throwable&) {
    }
}

const Operation kOperations[] = {
    {"exception mapping", [](JNIEnv* e, Subjects& s) {
         NativeppThrowable::javaThrow(s.throwable, e);
         thrownAsProxy([e] { NativeppThrowable::nativeThrowIfJavaThrown(e); });
     }},
    {"exception pending on entry", [](JNIEnv* e, Subjects& s) {
         e->FindClass("com/drovantel/NoSuchClass");
         thrownAsProxy([&] { s.proxy.nativeppGetJObjectLocalWrapper(e); });
     }},
    {"raise by name", [](JNIEnv* e, Subjects&) {
         thrownAsProxy([e] { NativeppThrowable::nativeThrow("java/lang/IllegalStateException", e); });
     }},
    {"newObjectInstance", [](JNIEnv* e, Subjects& s) {
         delete NativeppObjectClass::newObjectInstance(s.obj, nullptr, e);
     }},
    {"Java constructor", [](JNIEnv*, Subjects&) { Object made(_nativeppNewInstanceParamDiscriminator); }},
    {"class lookup", [](JNIEnv* e, Subjects&) {
         nativepp::NativeppClass("java/lang/Integer", "Ljava/lang/Integer;").getJClass(e);
         NativeppObjectClass::getFirstKnownClassTree("java/lang/IllegalStateException", e);
     }},
    {"narrow strings", [](JNIEnv* e, Subjects&) {
         NativeppJObjectLocal text = NativeppString::newJStringWrapper("text", e);
         NativeppString::getStringUTFChars(text, e);
     }},
    {"wide strings", [](JNIEnv* e, Subjects&) {
         NativeppJObjectLocal text = NativeppString::newJStringWrapper(L"text", e);
         NativeppString::getStringChars(text, e);
     }},
    {"String proxy", [](JNIEnv*, Subjects&) {
         java::lang::String text("text");
         text = L"other";
         static_cast<std::string>(text);
         static_cast<std::wstring>(text);
     }},
    {"monitors", [](JNIEnv* e, Subjects& s) {
         synchronized block(s.proxy);
         nativepp::NativeppSynchronized held(s.obj.getJObject(), e);
         nativepp::NativeppMonitor().getJavaMonitor(e);
     }},
    {"binding", [](JNIEnv* e, Subjects& s) {
         Object reference(s.obj);
         Object instance(s.obj, _nativeppNewInstanceParamDiscriminator);
         reference.nativeppAssign(s.other.nativeppGetJObjectLocalWrapper(e), e);
         reference = instance;
         reference = &s.other;
         Object::cast$(&s.proxy);
         Object copy(instance);
         Object cast = Object::cast$(instance);
     }},
    {"comparison and type test", [](JNIEnv* e, Subjects& s) {
         s.proxy.nativeppEqualRef(&s.other);
         jobject shown = e->NewLocalRef(s.obj.getJObject());
         s.proxy.nativeppEqualRef(shown);  // only looked at: it stays the caller's to delete
         e->DeleteLocalRef(shown);
         s.proxy.instanceof(s.objectClass, e);
     }},
    {"holders", [](JNIEnv* e, Subjects& s) {
         nativepp::NativeppJObjectGlobal global(s.obj.getJObject(), 0, e);
         NativeppJObjectLocal local(e->NewLocalRef(s.obj.getJObject()), 1, e);
         NativeppJObjectLocal copy(local.getJObjectLocalCopy(e), e);
     }},
};

class NativeppLocalReferences : public NativeppTest {};

}  // namespace

TEST_F(NativeppLocalReferences, NoOperationKeepsOneWhenRunAThousandTimesInOneSmallFrame) {
    NativeppJObjectLocal obj = newObject(env, "java/lang/Object");
    NativeppJObjectLocal otherObj = newObject(env, "java/lang/Object");
    Object proxy(obj);
    Object other(otherObj);
    java::lang::RuntimeException throwable(_nativeppNewInstanceParamDiscriminator);
    jclass objectClass = Object::nativeppClass.getJClass(env)->getJClass();
    Subjects subjects{proxy, other, obj, throwable, objectClass};
    for (const Operation& operation : kOperations) {
        ASSERT_EQ(0, env->PushLocalFrame(kFrameCapacity));
        const int before = liveLocalReferences(env);
        for (int run = 0; run < kRuns; ++run) {
            operation.run(env, subjects);
        }
        EXPECT_EQ(before, liveLocalReferences(env)) << operation.name;
        env->PopLocalFrame(nullptr);
    }
}

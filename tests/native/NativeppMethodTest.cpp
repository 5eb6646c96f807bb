#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "java/lang/IntJArray.h"
#include "java/lang/RuntimeException.h"
#include "nativepp/NativeppConstructor.h"
#include "nativepp/NativeppFieldNamedInstance.h"
#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppMethodInstance.h"
#include "nativepp/NativeppMethodStatic.h"
#include "nativepp/NativeppMonitor.h"
#include "tests/native/Echo.h"
#include "tests/native/FieldHolder.h"
#include "tests/native/JNICallCounter.h"
#include "tests/native/MembersTestSupport.h"
#include "tests/native/PrimitiveKinds.h"

using com::drovantel::tarvelo::members::Echo;
using com::drovantel::tarvelo::members::FieldHolder;
using java::lang::Object;
using java::lang::String;
using nativepp::NativeppConstructor;
using nativepp::NativeppFieldNamedInstance;
using nativepp::NativeppJObjectLocal;
using nativepp::NativeppJVM;
using nativepp::NativeppMethodInstance;
using nativepp::NativeppMethodStatic;
using nativepp::NativeppTObjectClass;
using primitivekinds::Kinds;

namespace {

const char* const kEcho = "com/drovantel/tarvelo/members/Echo";
const char* const kEchoSignature = "Lcom/drovantel/tarvelo/members/Echo;";
const char* const kHolder = "com/drovantel/tarvelo/members/FieldHolder";
const char* const kHolderSignature = "Lcom/drovantel/tarvelo/members/FieldHolder;";

template <typename Kind>
class NativeppMethodKinds : public NativeppTest {};

TYPED_TEST_SUITE(NativeppMethodKinds, Kinds);

class NativeppMethods : public NativeppTest {};

}  // namespace

// The arguments travel promoted (float as double, the small kinds as int) and the results
// come back in their own type, bit for bit.
TYPED_TEST(NativeppMethodKinds, EveryValueComesBackFromAnInstanceAndAStaticEcho) {
    using Kind = TypeParam;
    Echo echo(_nativeppNewInstanceParamDiscriminator);
    for (typename Kind::Native sample : Kind::samples()) {
        EXPECT_EQ(bitsOf(sample), bitsOf(Kind::echo(echo, sample)));
        EXPECT_EQ(bitsOf(sample), bitsOf(Kind::staticEcho(sample)));
    }
}

TEST_F(NativeppMethods, EveryArgumentKindArrivesInOneListAtItsOwnWidth) {
    EXPECT_EQ("true -1 65535 -1 -2147483648 9223372036854775807 1.5 -0.25",
              static_cast<std::string>(Echo::describe(1, -1, 0xFFFF, -1, INT_MIN, LLONG_MAX, 1.5f, -0.25)));
}

TEST_F(NativeppMethods, ObjectAndVoidResults) {
    Echo echo(_nativeppNewInstanceParamDiscriminator);
    String text("abc");
    EXPECT_TRUE(echo.echoObject(text) == text);
    EXPECT_TRUE(Echo::staticEchoObject(&text) == text);
    // Java null comes back as an empty reference proxy.
    EXPECT_TRUE(echo.echoObject(static_cast<Object*>(nullptr)).nativeppGetJObjectGlobal(env).isNull());
    EXPECT_TRUE(Echo::staticEchoObject(Object()).nativeppGetJObjectGlobal(env).isNull());
    echo.remember(5);
    EXPECT_EQ(5, Echo::remembered());
    Echo::staticRemember(6);
    EXPECT_EQ(6, Echo::remembered());
}

TEST_F(NativeppMethods, AnInstanceCallRunsTheOverride) {
    NativeppJObjectLocal overriding = newObject(env, "com/drovantel/tarvelo/members/Echo$Overriding");
    Echo echo(overriding);
    EXPECT_EQ("Overriding", static_cast<std::string>(echo.name()));
    EXPECT_EQ("Echo", static_cast<std::string>(Echo(_nativeppNewInstanceParamDiscriminator).name()));
}

TEST_F(NativeppMethods, AThrowingMethodRaisesTheNearestRegisteredProxyOfTheThrownObject) {
    Echo echo(_nativeppNewInstanceParamDiscriminator);
    try {
        echo.fail();
        FAIL() << "no exception";
    } catch (java::lang::RuntimeException& e) {
        EXPECT_FALSE(env->ExceptionCheck());
        EXPECT_EQ("java/lang/IllegalStateException", classNameOf(env, e.nativeppGetJObjectGlobal(env).getJObject()));
    }
}

TEST_F(NativeppMethods, ACallOnAnEmptyProxyRaisesTheMappedNullPointerException) {
    Echo empty;
    EXPECT_EQ("java/lang/NullPointerException", thrownJavaClassOf(env, [&] { empty.echoInt(1); }));
    EXPECT_EQ("java/lang/NullPointerException", thrownJavaClassOf(env, [&] { empty.name(); }));
    EXPECT_EQ("java/lang/NullPointerException", thrownJavaClassOf(env, [&] { empty.remember(1); }));
}

TEST_F(NativeppMethods, AMissingMethodRaisesWithNothingPendingAndIsRetried) {
    NativeppTObjectClass<Echo> fresh(kEcho, kEchoSignature, 0, 0, 2);
    Echo echo(_nativeppNewInstanceParamDiscriminator);
    JNICallCounter counter;
    for (int attempt = 1; attempt <= 2; ++attempt) {
        EXPECT_EQ("Method not found, name: echoInt, signature:(J)I", nativeppMessageOf([&] {
                      NativeppMethodInstance::callIntMethod(env, 0, "echoInt", "(J)I", &fresh, &echo, 1LL);
                  }));
        EXPECT_EQ("Method not found, name: nothing, signature:()V", nativeppMessageOf([&] {
                      NativeppMethodStatic::callStaticVoidMethod(env, 1, "nothing", "()V", &fresh);
                  }));
        EXPECT_FALSE(env->ExceptionCheck());
        EXPECT_EQ(attempt, counter.calls("GetMethodID"));
        EXPECT_EQ(attempt, counter.calls("GetStaticMethodID"));
    }
    EXPECT_EQ(nullptr, fresh.getMethodID(0));
}

TEST_F(NativeppMethods, AMethodIDIsLookedUpOncePerClassAndIndexWhicheverProxyCalls) {
    NativeppTObjectClass<Echo> fresh(kEcho, kEchoSignature, 0, 0, 2);
    Echo first(_nativeppNewInstanceParamDiscriminator);
    Echo second(_nativeppNewInstanceParamDiscriminator);
    JNICallCounter counter;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(i, NativeppMethodInstance::callIntMethod(env, 0, "echoInt", "(I)I", &fresh, &first, i));
        EXPECT_EQ(i, NativeppMethodInstance::callIntMethod(env, 0, "echoInt", "(I)I", &fresh, &second, i));
        EXPECT_EQ(i, NativeppMethodStatic::callStaticIntMethod(env, 1, "staticEchoInt", "(I)I", &fresh, i));
    }
    EXPECT_EQ(1, counter.calls("GetMethodID"));
    EXPECT_EQ(1, counter.calls("GetStaticMethodID"));
}

// Racing first uses may each look an ID up (no lock is held across a lookup); once
// published, it is never looked up again.
TEST_F(NativeppMethods, ThreadsRacingOnAFirstLookupNeverLookItUpAgainOncePublished) {
    Echo echo(_nativeppNewInstanceParamDiscriminator);
    FieldHolder holder(_nativeppNewInstanceParamDiscriminator);
    for (int round = 0; round < 20; ++round) {
        NativeppTObjectClass<Echo> fresh(kEcho, kEchoSignature, 0, 1, 2);
        NativeppTObjectClass<FieldHolder> freshHolder(kHolder, kHolderSignature, 1, 0, 0);
        fresh.getJClass(env);
        freshHolder.getJClass(env);
        JNICallCounter counter;
        auto lookUps = [&] {
            return counter.calls("GetMethodID") + counter.calls("GetStaticMethodID") + counter.calls("GetFieldID");
        };
        int lookedUp = 0;
        for (int phase = 0; phase < 2; ++phase) {
            std::atomic<int> attaching{4};
            runTogether(4, [&](int i) {
                JNICallCounter::OnThisThread counted(counter);
                JNIEnv* threadEnv = NativeppJVM::getJNIEnv();
                // Attached and counted first, so that the threads meet at the lookups.
                for (--attaching; attaching > 0;) {
                    std::this_thread::yield();
                }
                EXPECT_EQ(i,
                          NativeppMethodInstance::callIntMethod(threadEnv, 0, "echoInt", "(I)I", &fresh, &echo, i));
                EXPECT_EQ(i,
                          NativeppMethodStatic::callStaticIntMethod(threadEnv, 1, "staticEchoInt", "(I)I", &fresh, i));
                NativeppConstructor::callConstructor(threadEnv, 0, "()V", &fresh);
                NativeppFieldNamedInstance::getIntField(0, "intField", &freshHolder, &holder, threadEnv);
            });
            if (phase == 0) {
                lookedUp = lookUps();
                EXPECT_LE(4, lookedUp) << "round " << round;
            }
        }
        EXPECT_EQ(lookedUp, lookUps()) << "round " << round;
    }
}

TEST_F(NativeppMethods, NoReferenceGrowsAcrossTenThousandFieldReadsMethodCallsAndElementAccesses) {
    FieldHolder holder(_nativeppNewInstanceParamDiscriminator);
    Echo echo(_nativeppNewInstanceParamDiscriminator);
    String text("abc");
    holder.text = text;
    java::lang::IntJArray ints(2);
    for (nativepp::NativeppObject* proxy : {static_cast<Object*>(&holder), static_cast<Object*>(&echo),
                                             static_cast<Object*>(&text), static_cast<Object*>(&holder.text),
                                             static_cast<Object*>(&ints)}) {
        proxy->nativeppGetMonitor()->getJavaMonitor(env);
    }
    ints[1];  // the element store keeps a reference to the array it was made for
    const int globals = JNICallCounter::liveGlobalReferences();
    const int locals = liveLocalReferences(env);
    for (int i = 0; i < 10000; ++i) {
        holder.intField = i;
        ASSERT_EQ(i, echo.echoInt(holder.intField));
        ASSERT_TRUE(echo.echoObject(holder.text) == text);
        ints[1] = i;
        ASSERT_EQ(i, ints[1].get());
    }
    EXPECT_EQ(locals, liveLocalReferences(env));
    EXPECT_EQ(globals, JNICallCounter::liveGlobalReferences());
}

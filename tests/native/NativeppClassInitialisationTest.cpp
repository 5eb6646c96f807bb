// A class's static initialiser that calls native code using the class's own members (the
// initIDs pattern), while a second thread waits for that initialisation inside a lookup.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <utility>

#include "java/lang/Object.h"
#include "java/lang/String.h"
#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppMethodStatic.h"
#include "nativepp/NativeppTObjectClass.h"
#include "tests/native/NativeppTestSupport.h"

using java::lang::String;
using nativepp::NativeppJVM;
using nativepp::NativeppMethodStatic;
using nativepp::NativeppTObjectClass;

namespace {

// Both sides of one race, shared with the threads: when the race deadlocks they keep it.
struct Race {
    Race(const std::string& className, std::function<void(Race&, JNIEnv*)> initialiser)
        : descriptor(new NativeppTObjectClass<java::lang::Object>(className.c_str(), ("L" + className + ";").c_str(),
                                                                  1, 0, 2)),
          text(0, "text", descriptor),
          initialiser(std::move(initialiser)) {}

    // Registered by name and so never deleted, like every descriptor.
    NativeppTObjectClass<java::lang::Object>* descriptor;
    String text;
    std::function<void(Race&, JNIEnv*)> initialiser;
    std::atomic<bool> classPublished{false};
    std::atomic<bool> waiterInLookUp{false};
    std::atomic<int> finished{0};
    std::string failure;
    JNINativeInterface_ waiterFunctions{};
};

struct Scenario {
    const char* name;
    int which;  // the nested class's number, as its initialiser passes it
    std::function<void(Race&, JNIEnv*)> waiter;
    std::function<void(Race&, JNIEnv*)> initialiser;
};

void PrintTo(const Scenario& scenario, std::ostream* os) { *os << scenario.name; }

std::shared_ptr<Race> running;
const JNINativeInterface_* vmFunctions = nullptr;

jmethodID JNICALL seenGetStaticMethodID(JNIEnv* e, jclass c, const char* n, const char* s) {
    running->waiterInLookUp = true;
    return vmFunctions->GetStaticMethodID(e, c, n, s);
}

jfieldID JNICALL seenGetStaticFieldID(JNIEnv* e, jclass c, const char* n, const char* s) {
    running->waiterInLookUp = true;
    return vmFunctions->GetStaticFieldID(e, c, n, s);
}

template <typename Body>
void recordingFailure(Race& race, Body body) {
    try {
        body();
    } catch (...) {
        race.failure = "an operation raised";
    }
}

// On the initialising thread: once the waiter is inside its lookup, uses the class's members.
void JNICALL initialising(JNIEnv* env, jclass, jint) {
    std::shared_ptr<Race> race = running;
    recordingFailure(*race, [&] {
        race->descriptor->getJClass(env);
        race->classPublished = true;
        while (!race->waiterInLookUp && race->finished == 0) {
            std::this_thread::yield();
        }
        race->initialiser(*race, env);
    });
}

class NativeppClassInitialisation : public NativeppTest, public testing::WithParamInterface<Scenario> {};

}  // namespace

TEST_P(NativeppClassInitialisation, AnInitialiserUsingItsOwnMembersFinishesWhileAnotherThreadWaits) {
    static bool registered = false;
    const std::string outer = "com/drovantel/tarvelo/members/InitRace";
    if (!registered) {
        JNINativeMethod native{const_cast<char*>("initialising"), const_cast<char*>("(I)V"),
                               reinterpret_cast<void*>(&initialising)};
        nativepp::NativeppJObjectLocal cls(env->FindClass(outer.c_str()), env);
        ASSERT_EQ(0, env->RegisterNatives(static_cast<jclass>(cls.getJObject()), &native, 1));
        registered = true;
    }
    const Scenario& scenario = GetParam();
    static bool ran[3] = {};
    if (ran[scenario.which]) {
        GTEST_SKIP() << "a class is initialised once per virtual machine";
    }
    ran[scenario.which] = true;
    checkGlobalBalance = false;  // the descriptor keeps its class

    static const char* const nested[] = {"$ByMethod", "$ByStaticFieldRead", "$ByStaticFieldStore"};
    const std::string className = outer + nested[scenario.which];
    running = std::make_shared<Race>(className, scenario.initialiser);
    std::shared_ptr<Race> race = running;
    std::thread([race] {
        recordingFailure(*race, [&] {
            JNIEnv* initialiserEnv = NativeppJVM::getJNIEnv();
            // Looking a method up initialises the class, if finding it did not.
            jclass cls = race->descriptor->getJClass(initialiserEnv)->getJClass();
            initialiserEnv->GetMethodID(cls, "<init>", "()V");
        });
        ++race->finished;
    }).detach();
    std::thread([race, scenario] {
        JNIEnv* waiterEnv = NativeppJVM::getJNIEnv();
        while (!race->classPublished) {
            std::this_thread::yield();
        }
        vmFunctions = waiterEnv->functions;
        race->waiterFunctions = *waiterEnv->functions;
        race->waiterFunctions.GetStaticMethodID = seenGetStaticMethodID;
        race->waiterFunctions.GetStaticFieldID = seenGetStaticFieldID;
        waiterEnv->functions = &race->waiterFunctions;
        recordingFailure(*race, [&] { scenario.waiter(*race, waiterEnv); });
        waiterEnv->functions = vmFunctions;
        ++race->finished;
    }).detach();
    // A liveness check, not a measure: a deadlocked pair never finishes.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (race->finished < 2 && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_EQ(2, race->finished.load()) << "deadlock: the threads are left hanging";
    EXPECT_EQ("", race->failure);
    running.reset();
}

INSTANTIATE_TEST_SUITE_P(
    Members, NativeppClassInitialisation,
    testing::Values(
        Scenario{"aMethodOfTheSameDescriptor", 0,
                 [](Race& race, JNIEnv* env) {
                     EXPECT_EQ(1, NativeppMethodStatic::callStaticIntMethod(env, 0, "first", "()I", race.descriptor));
                 },
                 [](Race& race, JNIEnv* env) {
                     EXPECT_EQ(2, NativeppMethodStatic::callStaticIntMethod(env, 1, "second", "()I", race.descriptor));
                 }},
        Scenario{"theSameStaticFieldProxyRead", 1,
                 [](Race& race, JNIEnv*) { EXPECT_EQ("initial", static_cast<std::string>(race.text)); },
                 [](Race& race, JNIEnv*) { EXPECT_EQ("initial", static_cast<std::string>(race.text)); }},
        Scenario{"theSameStaticFieldProxyStored", 2, [](Race& race, JNIEnv*) { race.text = String("stored"); },
                 [](Race& race, JNIEnv*) { EXPECT_EQ("initial", static_cast<std::string>(race.text)); }}),
    [](const testing::TestParamInfo<Scenario>& info) { return std::string(info.param.name); });

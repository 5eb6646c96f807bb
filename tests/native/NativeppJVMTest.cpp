#include "nativepp/NativeppJVM.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "bridge/LoadHook.h"
#include "nativepp/NativeppEnvScope.h"
#include "nativepp/NativeppException.h"
#include "tests/native/TestJVM.h"

using nativepp::NativeppException;
using nativepp::NativeppJVM;

namespace {

std::string messageOf(void (*operation)()) {
    try {
        operation();
    } catch (const NativeppException& e) {
        EXPECT_EQ(0, e.getCode());
        return e.getMessage();
    }
    return "<no exception>";
}

// Unregisters the virtual machine for one test, and registers it again afterwards.
class WithoutJVM : public testing::Test {
protected:
    void SetUp() override { NativeppJVM::setJavaVM(static_cast<JavaVM*>(nullptr)); }
    void TearDown() override { NativeppJVM::setJavaVM(saved); }
    JavaVM* const saved = NativeppJVM::jvm;
};

bool detached(JavaVM* vm) {
    JNIEnv* env = nullptr;
    return vm->GetEnv(reinterpret_cast<void**>(&env), JNI_VERSION_1_4) == JNI_EDETACHED && env == nullptr;
}

}  // namespace

TEST_F(WithoutJVM, EveryMustExistFormRaisesAndTheOthersReturnNull) {
    const std::string expected = "Java Virtual Machine is not loaded or not registered";
    EXPECT_FALSE(NativeppJVM::loaded());
    EXPECT_EQ(expected, messageOf([] { NativeppJVM::getJNIEnv(); }));
    EXPECT_EQ(expected, messageOf([] { NativeppJVM::getJavaVM(); }));
    EXPECT_EQ(expected, messageOf([] { NativeppJVM::attachCurrentThread(); }));
    EXPECT_EQ(nullptr, NativeppJVM::getJNIEnv(false));
    EXPECT_EQ(nullptr, NativeppJVM::getJavaVM(false));
}

TEST(NativeppJVM, LoadReportsAPathThatDoesNotOpen) {
    EXPECT_EQ("Cannot load : /nonexistent/libjvm.so",
              messageOf([] { NativeppJVM::load("/nonexistent/libjvm.so", nullptr); }));
}

TEST(NativeppJVM, LoadReportsALibraryWithoutTheInvocationFunctionAndKeepsTheVM) {
    JavaVM* before = NativeppJVM::jvm;
    EXPECT_EQ(std::string("Loaded DLL is not jvm.dll : ") + FIXTURES_PATH,
              messageOf([] { NativeppJVM::load(FIXTURES_PATH, nullptr); }));
    EXPECT_EQ(before, NativeppJVM::jvm);
}

TEST(NativeppJVM, ASecondVirtualMachineFailsWithTheJNIResult) {
    JavaVM* before = NativeppJVM::jvm;
    JavaVMInitArgs args{};
    args.version = JNI_VERSION_1_4;
    try {
        NativeppJVM::load(LIBJVM_PATH, &args);
        FAIL() << "a second JNI_CreateJavaVM succeeded";
    } catch (const NativeppException& e) {
        EXPECT_STREQ("Error loading JVM", e.getMessage());
        EXPECT_NE(0, e.getCode());
    }
    EXPECT_EQ(before, NativeppJVM::jvm);
    EXPECT_EQ(kTestJVMVersion, NativeppJVM::getJVMVersion());
}

TEST(NativeppJVM, LoadTookTheVersionOfTheStartArguments) {
    EXPECT_TRUE(NativeppJVM::loaded());
    EXPECT_EQ(kTestJVMVersion, NativeppJVM::getJVMVersion());
}

TEST(NativeppJVM, SetJavaVMFromAnEnvironmentFindsTheSameVM) {
    JavaVM* vm = NativeppJVM::getJavaVM();
    JNIEnv* env = NativeppJVM::getJNIEnv();
    NativeppJVM::setJavaVM(static_cast<JavaVM*>(nullptr));
    NativeppJVM::setJavaVM(env);
    EXPECT_EQ(vm, NativeppJVM::jvm);
}

TEST(NativeppJVM, MainThreadKeepsTheEnvironmentTheVMGaveIt) {
    JNIEnv* env = nullptr;
    ASSERT_EQ(JNI_OK, NativeppJVM::getJavaVM()->GetEnv(reinterpret_cast<void**>(&env), JNI_VERSION_1_4));
    EXPECT_EQ(env, NativeppJVM::getJNIEnv());
}

TEST(NativeppJVM, ScopesAnswerTheirEnvironmentOnTheirThreadAndNest) {
    JNIEnv* own = NativeppJVM::getJNIEnv();
    // Never used: only handed back.
    JNIEnv* const outer = reinterpret_cast<JNIEnv*>(own + 1);
    JNIEnv* const inner = reinterpret_cast<JNIEnv*>(own + 2);
    JNIEnv* seenElsewhere = nullptr;
    {
        nativepp::NativeppEnvScope outerScope(outer);
        EXPECT_EQ(outer, NativeppJVM::getJNIEnv());
        {
            nativepp::NativeppEnvScope innerScope(inner);
            EXPECT_EQ(inner, NativeppJVM::getJNIEnv(false));
        }
        EXPECT_EQ(outer, NativeppJVM::getJNIEnv());
        std::thread([&] { seenElsewhere = NativeppJVM::getJNIEnv(); }).join();
    }
    EXPECT_EQ(own, NativeppJVM::getJNIEnv());
    EXPECT_NE(nullptr, seenElsewhere);
    EXPECT_NE(outer, seenElsewhere);
}

TEST(NativeppJVM, NativeThreadsAttachOnceEightAtATimeAndLeaveAtExit) {
    JavaVM* vm = NativeppJVM::getJavaVM();
    std::atomic<int> passed{0};
    std::atomic<int> waiting{8};
    std::vector<std::thread> threads;
    for (int i = 0; i < 8; ++i) {
        threads.emplace_back([&] {
            const bool wasDetached = detached(vm);
            for (--waiting; waiting > 0;) {
                std::this_thread::yield();
            }
            JNIEnv* first = NativeppJVM::getJNIEnv();
            JNIEnv* second = NativeppJVM::getJNIEnv(false);
            if (wasDetached && first != nullptr && first == second && !detached(vm) &&
                first->FindClass("java/lang/Object") != nullptr) {
                ++passed;
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(8, passed.load());
}

TEST(LoadHook, BridgeEnvironmentIsNullBeforeTheLoadHookRan) {
    ASSERT_EQ(nullptr, getJavaVM());
    EXPECT_EQ(nullptr, getJNIEnv());
}

#include "bridge/NativeBarrier.h"

#include <gtest/gtest.h>

#include <new>
#include <string>

#include "nativepp/NativeppJVM.h"
#include "tests/native/NativeppTestSupport.h"

namespace {

std::string pendingClassName(JNIEnv* env) {
    jthrowable pending = env->ExceptionOccurred();
    env->ExceptionClear();
    std::string name = pending ? classNameOf(env, pending) : "";
    env->DeleteLocalRef(pending);
    return name;
}

}  // namespace

TEST(NativeBarrier, PassesResultsThroughUntouched) {
    JNIEnv* env = nativepp::NativeppJVM::getJNIEnv();
    EXPECT_EQ(-5LL, nativeBarrier(env, [] { return jlong{-5}; }));
    EXPECT_FALSE(env->ExceptionCheck());
}

TEST(NativeBarrier, AFailedAllocationBecomesOutOfMemoryErrorAndZero) {
    JNIEnv* env = nativepp::NativeppJVM::getJNIEnv();
    EXPECT_EQ(0LL, nativeBarrier(env, []() -> jlong { throw std::bad_alloc(); }));
    EXPECT_EQ("java/lang/OutOfMemoryError", pendingClassName(env));

    bool ran = false;
    nativeBarrier(env, [&] {
        ran = true;
        throw std::bad_alloc();
    });
    EXPECT_TRUE(ran);
    EXPECT_EQ("java/lang/OutOfMemoryError", pendingClassName(env));
}

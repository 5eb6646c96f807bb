// Addresses that need every bit of the pointer, handed out by the bridge's natives: a memory
// block and a callback handle, placed by HighAllocation at or above 2^31 on i386, above 2^32
// on x86-64. On i386 each must reach Java as a negative long and come back by its low word
// alone; on x86-64 all 64 bits travel both ways.
#include <gtest/gtest.h>
#include <jni.h>

#include <cstdint>
#include <functional>
#include <ostream>

#include "bridge/JavaCallback.h"
#include "bridge/LoadHook.h"
#include "nativepp/NativeppJVM.h"
#include "tests/native/HighAllocation.h"

extern "C" {
JNIEXPORT jlong JNICALL Java_com_drovantel_tarvelo_core_impl_jni_BufferNative_malloc(JNIEnv*, jclass, jlong, jboolean);
JNIEXPORT jint JNICALL Java_com_drovantel_tarvelo_core_impl_jni_BufferNative_getInt(JNIEnv*, jclass, jlong, jlong);
JNIEXPORT void JNICALL Java_com_drovantel_tarvelo_core_impl_jni_BufferNative_setInt(JNIEnv*, jclass, jlong, jlong,
                                                                                     jint);
JNIEXPORT jlong JNICALL Java_com_drovantel_tarvelo_core_impl_jni_CallbackStateManagerNative_registerInDLL(
    JNIEnv*, jobject, jobject, jint, jint);
JNIEXPORT jint JNICALL Java_com_drovantel_tarvelo_core_impl_jni_CallbackStateManagerNative_unregisterInDLL(JNIEnv*,
                                                                                                         jclass, jlong);
}

using nativepp::NativeppJVM;

namespace {

constexpr bool kWideAddresses = sizeof(void*) == 8;
// What a returned address may carry in its high word and still work: anything on i386.
constexpr jlong kHighWordNoise = kWideAddresses ? 0 : 0x5A5A5A5A00000000LL;
constexpr jint kInt = 6;
constexpr jint kAnswer = 0x600D;  // IntCallbackTarget.ANSWER

struct HighAddressCase {
    const char* name;
    // Hands out an address, with HighAllocation armed only around the bridge's own
    // allocation: a block the JVM took from the high page would abort its later free().
    std::function<jlong(JNIEnv*)> handOut;
    // Uses the address as Java gives it back; true when that worked.
    std::function<bool(JNIEnv*, jlong)> takeBack;
};

void PrintTo(const HighAddressCase& highAddressCase, std::ostream* out) { *out << highAddressCase.name; }

jlong mallocBlock(JNIEnv* env) {
    HighAllocation high;
    return Java_com_drovantel_tarvelo_core_impl_jni_BufferNative_malloc(env, nullptr, 16, JNI_FALSE);
}

bool writeAndReadBack(JNIEnv* env, jlong block) {
    Java_com_drovantel_tarvelo_core_impl_jni_BufferNative_setInt(env, nullptr, block, 4, 0x12345678);
    if (env->ExceptionCheck()) {
        return false;
    }
    const jint read =
        Java_com_drovantel_tarvelo_core_impl_jni_BufferNative_getInt(env, nullptr, block ^ kHighWordNoise, 4);
    return !env->ExceptionCheck() && read == 0x12345678;
}

// A new object made by the constructor of signature, with argument; a local reference.
jobject newObject(JNIEnv* env, const char* className, const char* signature, jobject argument = nullptr) {
    jclass type = env->FindClass(className);
    jobject object = type ? env->NewObject(type, env->GetMethodID(type, "<init>", signature), argument) : nullptr;
    env->DeleteLocalRef(type);
    return object;
}

// Target and reference object stay reachable through the local frame of the test.
jlong registerCallback(JNIEnv* env) {
    jobject target = newObject(env, "com/drovantel/tarvelo/bridge/IntCallbackTarget", "()V");
    if (target == nullptr) {
        return 0;
    }
    jobject reference = newObject(env, "java/lang/ref/WeakReference", "(Ljava/lang/Object;)V", target);
    HighAllocation high;
    return Java_com_drovantel_tarvelo_core_impl_jni_CallbackStateManagerNative_registerInDLL(env, target, reference,
                                                                                            kInt, 0);
}

bool callAndUnregister(JNIEnv* env, jlong handle) {
    int block = 0;
    auto* callback = reinterpret_cast<JavaCallback*>(static_cast<std::uintptr_t>(handle));
    const bool answered = onCallInt(callback, &block) == kAnswer;
    return answered &&
           Java_com_drovantel_tarvelo_core_impl_jni_CallbackStateManagerNative_unregisterInDLL(
               env, nullptr, handle ^ kHighWordNoise) == 1;
}

class BridgeHighAddress : public testing::TestWithParam<HighAddressCase> {
protected:
    void SetUp() override {
        env = NativeppJVM::getJNIEnv();
        setJavaVM(NativeppJVM::getJavaVM());
        ASSERT_EQ(0, env->PushLocalFrame(16));
    }
    void TearDown() override {
        EXPECT_FALSE(env->ExceptionCheck());
        env->ExceptionClear();
        env->PopLocalFrame(nullptr);
        setJavaVM(saved);
    }

    JNIEnv* env = nullptr;
    JavaVM* const saved = getJavaVM();
};

}  // namespace

TEST_P(BridgeHighAddress, ReachesJavaAtThePointersWidthAndComesBack) {
    const jlong address = GetParam().handOut(env);
    ASSERT_FALSE(env->ExceptionCheck());
    if (kWideAddresses) {
        EXPECT_GT(address, jlong{0xFFFFFFFF});
    } else {
        EXPECT_LT(address, 0);
        EXPECT_EQ(static_cast<jlong>(static_cast<std::int32_t>(address)), address);
    }
    EXPECT_TRUE(HighAllocation::contains(reinterpret_cast<void*>(static_cast<std::uintptr_t>(address))));
    EXPECT_TRUE(GetParam().takeBack(env, address));
}

INSTANTIATE_TEST_SUITE_P(Natives, BridgeHighAddress,
                         testing::Values(HighAddressCase{"BufferNative_malloc", mallocBlock, writeAndReadBack},
                                         HighAddressCase{"registerInDLL", registerCallback, callAndUnregister}),
                         [](const testing::TestParamInfo<HighAddressCase>& info) { return info.param.name; });

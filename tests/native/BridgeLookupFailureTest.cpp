// Failed method lookups of the bridge's callback classes. Each registration looks its methods
// up in its own classes, so a lookup fails the same whatever registered before.
#include <gtest/gtest.h>

#include "bridge/JavaCallback.h"
#include "bridge/LoadHook.h"
#include "bridge/WeakReference.h"
#include "nativepp/NativeppJVM.h"

using nativepp::NativeppJVM;

namespace {

constexpr jint kShort = 5;

// Gives the bridge the test's virtual machine for one test, and takes it back afterwards.
class BridgeLookupFailure : public testing::Test {
protected:
    void SetUp() override {
        env = NativeppJVM::getJNIEnv();
        setJavaVM(NativeppJVM::getJavaVM());
    }
    void TearDown() override {
        EXPECT_FALSE(env->ExceptionCheck());
        setJavaVM(saved);
    }

    // Clears the pending exception; true when it was a NoSuchMethodError.
    bool clearNoSuchMethodError() {
        jthrowable thrown = env->ExceptionOccurred();
        if (thrown == nullptr) {
            return false;
        }
        env->ExceptionClear();
        jclass type = env->FindClass("java/lang/NoSuchMethodError");
        const bool matches = type != nullptr && env->IsInstanceOf(thrown, type);
        env->DeleteLocalRef(type);
        env->DeleteLocalRef(thrown);
        return matches;
    }

    // A new java.lang.ref.WeakReference to `referent`, as a local reference.
    jobject newWeakReference(jobject referent) {
        jclass type = env->FindClass("java/lang/ref/WeakReference");
        jmethodID init = env->GetMethodID(type, "<init>", "(Ljava/lang/Object;)V");
        jobject reference = env->NewObject(type, init, referent);
        env->DeleteLocalRef(type);
        return reference;
    }

    // Runs the collector until `probe`, a WeakReference, is cleared; false if it never is.
    bool collected(jobject probe) {
        jclass system = env->FindClass("java/lang/System");
        jmethodID gc = env->GetStaticMethodID(system, "gc", "()V");
        jclass reference = env->FindClass("java/lang/ref/Reference");
        jmethodID get = env->GetMethodID(reference, "get", "()Ljava/lang/Object;");
        bool cleared = false;
        for (int i = 0; i < 50 && !cleared; ++i) {
            env->CallStaticVoidMethod(system, gc);
            if (env->ExceptionCheck()) {
                break;
            }
            jobject referent = env->CallObjectMethod(probe, get);
            if (env->ExceptionCheck()) {
                break;
            }
            cleared = referent == nullptr;
            env->DeleteLocalRef(referent);
        }
        env->DeleteLocalRef(reference);
        env->DeleteLocalRef(system);
        return cleared;
    }

    JNIEnv* env = nullptr;
    JavaVM* const saved = getJavaVM();
};

}  // namespace

// A String's superclass declares no "get": the lookup fails and the method ID stays null.
TEST_F(BridgeLookupFailure, WeakReferenceWithoutGetAnswersNullWithoutCallingJava) {
    jstring notAReference = env->NewStringUTF("not a reference object");
    WeakReference reference(env, notAReference);
    EXPECT_TRUE(clearNoSuchMethodError());
    // With a null method ID, CallObjectMethod would end the virtual machine under -Xcheck:jni.
    EXPECT_EQ(nullptr, reference.get(env));
    EXPECT_FALSE(env->ExceptionCheck());
    reference.free(env);
    env->DeleteLocalRef(notAReference);
}

TEST_F(BridgeLookupFailure, RegistrationWhoseMethodLookupFailsKeepsNothing) {
    jstring callerWithoutCallbacks = env->NewStringUTF("caller");
    jobject referenceObject = newWeakReference(callerWithoutCallbacks);
    jobject probe = newWeakReference(referenceObject);
    EXPECT_EQ(nullptr, JavaCallback::callbackRegister(env, callerWithoutCallbacks, referenceObject, kShort, 0));
    EXPECT_TRUE(clearNoSuchMethodError());
    env->DeleteLocalRef(referenceObject);
    EXPECT_TRUE(collected(probe)) << "the failed registration still holds the reference object";
    env->DeleteLocalRef(probe);
    env->DeleteLocalRef(callerWithoutCallbacks);
}

TEST_F(BridgeLookupFailure, CallbackWithoutMethodIdAnswersZeroWithoutCallingJava) {
    jstring callerWithoutCallbacks = env->NewStringUTF("caller");
    jobject referenceObject = newWeakReference(callerWithoutCallbacks);
    JavaCallback callback(env, callerWithoutCallbacks, referenceObject, kShort, 0);
    EXPECT_TRUE(clearNoSuchMethodError());
    int block = 0;
    // With a null method ID, CallShortMethod would end the virtual machine under -Xcheck:jni.
    EXPECT_EQ(0, callback.onCallShort(&block));
    EXPECT_EQ(0, onCallShort(&callback, &block));
    EXPECT_FALSE(env->ExceptionCheck());
    callback.free(env);
    env->DeleteLocalRef(referenceObject);
    env->DeleteLocalRef(callerWithoutCallbacks);
}

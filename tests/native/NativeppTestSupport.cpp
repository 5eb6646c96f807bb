#include "tests/native/NativeppTestSupport.h"

#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppMonitor.h"
#include "nativepp/NativeppObjectClass.h"
#include "tests/native/JNICallCounter.h"

using nativepp::NativeppJObjectLocal;

namespace {

// The helpers' own JNI calls are checked too: -Xcheck:jni warns about any unchecked one.
void expectNoException(JNIEnv* env) {
    if (env->ExceptionCheck()) {
        env->ExceptionDescribe();
        env->ExceptionClear();
        ADD_FAILURE() << "a test helper's JNI call raised";
    }
}

// Fills the descriptors' class references before the tests, so that a test that uses a
// class for the first time does not count its cached reference as a leak.
class WarmClassReferences : public testing::Environment {
public:
    void SetUp() override {
        JNIEnv* env = nativepp::NativeppJVM::getJNIEnv();
        nativepp::NativeppMonitor::monitorClass.getJClass(env);
        for (auto& entry : *nativepp::nativeppGetMapClasses()) {
            try {
                entry.second->getJClass(env);
            } catch (const nativepp::NativeppException&) {
                // a test's descriptor of a class that does not exist, on purpose
            }
        }
    }
};

testing::Environment* const warmClassReferences = testing::AddGlobalTestEnvironment(new WarmClassReferences);

}  // namespace

void NativeppTest::SetUp() {
    env = nativepp::NativeppJVM::getJNIEnv();
    ASSERT_EQ(0, env->PushLocalFrame(64));
    globalReferencesBefore = JNICallCounter::liveGlobalReferences();
}

void NativeppTest::TearDown() {
    EXPECT_FALSE(env->ExceptionCheck()) << "a Java exception was left pending";
    env->ExceptionClear();
    env->PopLocalFrame(nullptr);
    if (checkGlobalBalance) {
        EXPECT_EQ(globalReferencesBefore, JNICallCounter::liveGlobalReferences());
    }
}

NativeppJObjectLocal newObject(JNIEnv* env, const char* className) {
    jclass cls = env->FindClass(className);
    expectNoException(env);
    jmethodID init = env->GetMethodID(cls, "<init>", "()V");
    expectNoException(env);
    jobject obj = env->NewObject(cls, init);
    expectNoException(env);
    env->DeleteLocalRef(cls);
    return NativeppJObjectLocal(obj, env);
}

NativeppJObjectLocal newInteger(JNIEnv* env, int value) {
    jclass cls = env->FindClass("java/lang/Integer");
    expectNoException(env);
    jmethodID valueOf = env->GetStaticMethodID(cls, "valueOf", "(I)Ljava/lang/Integer;");
    expectNoException(env);
    jobject obj = env->CallStaticObjectMethod(cls, valueOf, value);
    expectNoException(env);
    env->DeleteLocalRef(cls);
    return NativeppJObjectLocal(obj, env);
}

std::string classNameOf(JNIEnv* env, jobject obj) {
    jclass cls = env->GetObjectClass(obj);
    jclass classClass = env->FindClass("java/lang/Class");
    expectNoException(env);
    jmethodID getName = env->GetMethodID(classClass, "getName", "()Ljava/lang/String;");
    expectNoException(env);
    auto name = static_cast<jstring>(env->CallObjectMethod(cls, getName));
    expectNoException(env);
    const char* chars = env->GetStringUTFChars(name, nullptr);
    expectNoException(env);
    std::string result(chars);
    env->ReleaseStringUTFChars(name, chars);
    env->DeleteLocalRef(name);
    env->DeleteLocalRef(classClass);
    env->DeleteLocalRef(cls);
    for (char& c : result) {
        c = c == '.' ? '/' : c;
    }
    return result;
}

bool holdsLock(JNIEnv* env, jobject obj) {
    jclass thread = env->FindClass("java/lang/Thread");
    expectNoException(env);
    jmethodID method = env->GetStaticMethodID(thread, "holdsLock", "(Ljava/lang/Object;)Z");
    expectNoException(env);
    const jboolean held = env->CallStaticBooleanMethod(thread, method, obj);
    expectNoException(env);
    env->DeleteLocalRef(thread);
    return held == JNI_TRUE;
}

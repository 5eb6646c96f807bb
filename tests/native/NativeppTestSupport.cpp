#include "tests/native/NativeppTestSupport.h"

#include <jvmti.h>
#include <unistd.h>

#include <cstdio>
#include <sstream>

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

namespace {

// Sends file descriptor 1 to a temporary file for its lifetime, and passes on what was
// written also when an exception ends the capture.
class StandardOutputCapture {
public:
    StandardOutputCapture() : file(tmpfile()), saved(dup(STDOUT_FILENO)) {
        fflush(stdout);
        dup2(fileno(file), STDOUT_FILENO);
    }
    ~StandardOutputCapture() {
        restore();
        fclose(file);
    }
    StandardOutputCapture(const StandardOutputCapture&) = delete;
    StandardOutputCapture& operator=(const StandardOutputCapture&) = delete;

    // Restores file descriptor 1, passes on what was written to it and returns it.
    std::string restore() {
        std::string written;
        if (saved < 0) {
            return written;
        }
        fflush(stdout);
        dup2(saved, STDOUT_FILENO);
        close(saved);
        saved = -1;
        rewind(file);
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, file)) > 0;) {
            written.append(buffer, n);
        }
        fwrite(written.data(), 1, written.size(), stdout);
        return written;
    }

private:
    FILE* file;
    int saved;
};

}  // namespace

namespace {

constexpr jlong kCountedThreadTag = 0x6c6f63616c;

jvmtiEnv* heapWalker() {
    static jvmtiEnv* const jvmti = [] {
        jvmtiEnv* made = nullptr;
        if (nativepp::NativeppJVM::getJavaVM()->GetEnv(reinterpret_cast<void**>(&made), JVMTI_VERSION_1_2) != JNI_OK) {
            return static_cast<jvmtiEnv*>(nullptr);
        }
        jvmtiCapabilities tagging{};
        tagging.can_tag_objects = 1;
        return made->AddCapabilities(&tagging) == JVMTI_ERROR_NONE ? made : nullptr;
    }();
    return jvmti;
}

jint JNICALL countLocalRoot(jvmtiHeapReferenceKind kind, const jvmtiHeapReferenceInfo* info, jlong, jlong, jlong,
                            jlong*, jlong*, jint, void* count) {
    if (kind == JVMTI_HEAP_REFERENCE_JNI_LOCAL && info->jni_local.thread_tag == kCountedThreadTag) {
        ++*static_cast<int*>(count);
    }
    return 0;  // roots only: no object is visited, so the heap is not walked
}

}  // namespace

int liveLocalReferences(JNIEnv* env) {
    jvmtiEnv* jvmti = heapWalker();
    jthread self = nullptr;
    if (jvmti == nullptr || jvmti->GetCurrentThread(&self) != JVMTI_ERROR_NONE ||
        jvmti->SetTag(self, kCountedThreadTag) != JVMTI_ERROR_NONE) {
        ADD_FAILURE() << "no JVMTI heap walking";
        return -1;
    }
    env->DeleteLocalRef(self);
    jvmtiHeapCallbacks callbacks{};
    callbacks.heap_reference_callback = countLocalRoot;
    int count = 0;
    EXPECT_EQ(JVMTI_ERROR_NONE, jvmti->FollowReferences(0, nullptr, nullptr, &callbacks, &count));
    return count;
}

std::string checkedJNIWarningsOf(const std::function<void()>& body) {
    StandardOutputCapture capture;
    body();
    std::istringstream lines(capture.restore());
    std::string warnings;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("WARNING", 0) == 0) {
            warnings += line + "\n";
        }
    }
    return warnings;
}

std::string standardOutputOf(const std::function<void()>& body) {
    StandardOutputCapture capture;
    body();
    return capture.restore();
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

#ifndef TESTS_NATIVE_NATIVEPPTESTSUPPORT_H
#define TESTS_NATIVE_NATIVEPPTESTSUPPORT_H

#include <gtest/gtest.h>
#include <jni.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "nativepp/NativeppException.h"
#include "nativepp/NativeppJObjectLocal.h"

// Each test runs in its own local frame, so that references a test forgets cannot pile up
// in the main thread, which never returns to Java; and each checks that the binding layer
// left no Java exception pending and no global reference behind.
class NativeppTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    JNIEnv* env = nullptr;
    int globalReferencesBefore = 0;
    // Tests that fill lazy caches on purpose (class references, monitors) switch this off.
    bool checkGlobalBalance = true;
};

// A new Java object made by the constructor "()V" of className, in a local holder.
nativepp::NativeppJObjectLocal newObject(JNIEnv* env, const char* className);
// A new java.lang.Integer.
nativepp::NativeppJObjectLocal newInteger(JNIEnv* env, int value);
// The slash-separated class name of obj's run-time class.
std::string classNameOf(JNIEnv* env, jobject obj);
// java.lang.Thread.holdsLock(obj) for the calling thread.
bool holdsLock(JNIEnv* env, jobject obj);

// Runs body and returns the lines of -Xcheck:jni warnings ("WARNING in native method: ...",
// "WARNING: JNI local refs: ...") that the virtual machine wrote meanwhile. The virtual machine
// writes them to file descriptor 1, which is redirected for the time; whatever was written
// is passed on to standard output afterwards, for the test command's failure patterns.
std::string checkedJNIWarningsOf(const std::function<void()>& body);

// Runs body and returns what was written meanwhile to file descriptor 1 (passed on too).
std::string standardOutputOf(const std::function<void()>& body);

// The local references that the calling thread holds in all its local frames, as the virtual
// machine counts them: its JNI-local heap roots, found with JVMTI.
int liveLocalReferences(JNIEnv* env);

// Runs body(i) on threads 0 .. threads-1, started together so that they really race.
template <typename Body>
void runTogether(int threads, Body body) {
    std::atomic<int> waiting{threads};
    std::vector<std::thread> running;
    for (int i = 0; i < threads; ++i) {
        running.emplace_back([&, i] {
            for (--waiting; waiting > 0;) {
                std::this_thread::yield();
            }
            body(i);
        });
    }
    for (auto& thread : running) {
        thread.join();
    }
}

// Runs operation and returns the message of the NativeppException it raised.
template <typename Operation>
std::string nativeppMessageOf(Operation operation) {
    try {
        operation();
    } catch (const nativepp::NativeppException& e) {
        EXPECT_EQ(0, e.getCode());
        return e.getMessage();
    }
    return "<no exception>";
}

#endif

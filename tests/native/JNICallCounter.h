#ifndef TESTS_NATIVE_JNICALLCOUNTER_H
#define TESTS_NATIVE_JNICALLCOUNTER_H

#include <jni.h>

#include <map>
#include <string>
#include <vector>

// Counts selected JNI calls of the calling thread while it lives, by putting a forwarding
// copy of the thread's function table into its JNIEnv. The JNIEnv pointer itself stays the
// same, so -Xcheck:jni still sees the right environment, and calls that the binding layer
// makes through NativeppJVM::getJNIEnv() are counted as well.
class JNICallCounter {
public:
    JNICallCounter();
    ~JNICallCounter();

    JNICallCounter(const JNICallCounter&) = delete;
    JNICallCounter& operator=(const JNICallCounter&) = delete;

    // How often the named JNI function ("NewGlobalRef", "MonitorExit", ...) was called;
    // "MonitorEnter(null)" and the like count the calls given a null object.
    int calls(const std::string& function) const;
    // Calls of the reference functions NewGlobalRef, DeleteGlobalRef, NewLocalRef and DeleteLocalRef.
    int referenceCalls() const;
    // How often DeleteLocalRef was given obj.
    int localDeletionsOf(jobject obj) const;

    // From then on, counts the global references that any thread, present or future, makes
    // and deletes through JNI: the JVM's function table of every thread forwards
    // NewGlobalRef and DeleteGlobalRef through counting entries. Once, when the JVM has started.
    static void countGlobalReferences(JavaVM* vm);
    // NewGlobalRef minus DeleteGlobalRef of every thread since countGlobalReferences.
    static int liveGlobalReferences();

    // Counts the calls of the calling thread, another than the counter's own, while it lives.
    class OnThisThread {
    public:
        explicit OnThisThread(JNICallCounter& counter);
        ~OnThisThread();

        OnThisThread(const OnThisThread&) = delete;
        OnThisThread& operator=(const OnThisThread&) = delete;

    private:
        JNIEnv* env;
        const JNINativeInterface_* original;
    };

    std::map<std::string, int> counts;
    std::vector<jobject> deletedLocals;

private:
    JNIEnv* env;
    const JNINativeInterface_* original;
    JNINativeInterface_ table;
};

#endif

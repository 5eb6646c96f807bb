#include "tests/native/JNICallCounter.h"

#include <jvmti.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <stdexcept>

#include "nativepp/NativeppException.h"
#include "nativepp/NativeppJVM.h"

namespace {

std::atomic<int> liveGlobals{0};
jobject(JNICALL* vmNewGlobalRef)(JNIEnv*, jobject) = nullptr;
void(JNICALL* vmDeleteGlobalRef)(JNIEnv*, jobject) = nullptr;

jobject JNICALL tallyNewGlobalRef(JNIEnv* e, jobject o) {
    jobject made = vmNewGlobalRef(e, o);
    if (made != nullptr) {
        ++liveGlobals;
    }
    return made;
}

void JNICALL tallyDeleteGlobalRef(JNIEnv* e, jobject o) {
    if (o != nullptr) {
        --liveGlobals;
    }
    vmDeleteGlobalRef(e, o);
}

JNICallCounter* active = nullptr;
const JNINativeInterface_* forwardTo = nullptr;
// Counted threads may call at the same time.
std::mutex countsLock;

#define COUNTED(NAME, RESULT, PARAMS, ARGS)            \
    RESULT JNICALL counted##NAME PARAMS {              \
        {                                              \
            std::lock_guard<std::mutex> held(countsLock); \
            ++active->counts[#NAME];                   \
        }                                              \
        return forwardTo->NAME ARGS;                   \
    }

// Also counts the calls that receive a null object as NAME(null): JNI leaves those undefined.
#define COUNTED_WITH_OBJECT(NAME, RESULT, PARAMS, ARGS, OBJECT) \
    RESULT JNICALL counted##NAME PARAMS {                       \
        {                                                       \
            std::lock_guard<std::mutex> held(countsLock);       \
            ++active->counts[#NAME];                            \
            if ((OBJECT) == nullptr) {                          \
                ++active->counts[#NAME "(null)"];               \
            }                                                   \
        }                                                       \
        return forwardTo->NAME ARGS;                            \
    }

COUNTED(NewGlobalRef, jobject, (JNIEnv * e, jobject o), (e, o))
COUNTED(DeleteGlobalRef, void, (JNIEnv * e, jobject o), (e, o))
COUNTED(NewLocalRef, jobject, (JNIEnv * e, jobject o), (e, o))
COUNTED(FindClass, jclass, (JNIEnv * e, const char* n), (e, n))
COUNTED(GetMethodID, jmethodID, (JNIEnv * e, jclass c, const char* n, const char* s), (e, c, n, s))
COUNTED(GetStaticMethodID, jmethodID, (JNIEnv * e, jclass c, const char* n, const char* s), (e, c, n, s))
COUNTED(GetFieldID, jfieldID, (JNIEnv * e, jclass c, const char* n, const char* s), (e, c, n, s))
COUNTED(GetStaticFieldID, jfieldID, (JNIEnv * e, jclass c, const char* n, const char* s), (e, c, n, s))
COUNTED(GetSuperclass, jclass, (JNIEnv * e, jclass c), (e, c))
COUNTED_WITH_OBJECT(MonitorEnter, jint, (JNIEnv * e, jobject o), (e, o), o)
COUNTED_WITH_OBJECT(MonitorExit, jint, (JNIEnv * e, jobject o), (e, o), o)
COUNTED(AllocObject, jobject, (JNIEnv * e, jclass c), (e, c))
COUNTED(IsSameObject, jboolean, (JNIEnv * e, jobject a, jobject b), (e, a, b))
COUNTED(IsInstanceOf, jboolean, (JNIEnv * e, jobject o, jclass c), (e, o, c))
COUNTED_WITH_OBJECT(GetStringUTFChars, const char*, (JNIEnv * e, jstring s, jboolean* c), (e, s, c), s)
COUNTED_WITH_OBJECT(GetStringChars, const jchar*, (JNIEnv * e, jstring s, jboolean* c), (e, s, c), s)
COUNTED_WITH_OBJECT(GetStringLength, jsize, (JNIEnv * e, jstring s), (e, s), s)
COUNTED_WITH_OBJECT(Throw, jint, (JNIEnv * e, jthrowable t), (e, t), t)
COUNTED(ReleaseStringUTFChars, void, (JNIEnv * e, jstring s, const char* c), (e, s, c))
COUNTED(ReleaseStringChars, void, (JNIEnv * e, jstring s, const jchar* c), (e, s, c))
COUNTED(ExceptionOccurred, jthrowable, (JNIEnv * e), (e))
COUNTED(ExceptionCheck, jboolean, (JNIEnv * e), (e))

void JNICALL countedDeleteLocalRef(JNIEnv* e, jobject o) {
    {
        std::lock_guard<std::mutex> held(countsLock);
        ++active->counts["DeleteLocalRef"];
        active->deletedLocals.push_back(o);
    }
    forwardTo->DeleteLocalRef(e, o);
}

}  // namespace

JNICallCounter::JNICallCounter() : env(nativepp::NativeppJVM::getJNIEnv()), original(env->functions) {
    if (active != nullptr) {
        throw std::logic_error("one JNICallCounter at a time");
    }
    table = *original;
    table.NewGlobalRef = countedNewGlobalRef;
    table.DeleteGlobalRef = countedDeleteGlobalRef;
    table.NewLocalRef = countedNewLocalRef;
    table.DeleteLocalRef = countedDeleteLocalRef;
    table.FindClass = countedFindClass;
    table.GetMethodID = countedGetMethodID;
    table.GetStaticMethodID = countedGetStaticMethodID;
    table.GetFieldID = countedGetFieldID;
    table.GetStaticFieldID = countedGetStaticFieldID;
    table.GetSuperclass = countedGetSuperclass;
    table.MonitorEnter = countedMonitorEnter;
    table.MonitorExit = countedMonitorExit;
    table.AllocObject = countedAllocObject;
    table.IsSameObject = countedIsSameObject;
    table.IsInstanceOf = countedIsInstanceOf;
    table.GetStringUTFChars = countedGetStringUTFChars;
    table.GetStringChars = countedGetStringChars;
    table.GetStringLength = countedGetStringLength;
    table.Throw = countedThrow;
    table.ReleaseStringUTFChars = countedReleaseStringUTFChars;
    table.ReleaseStringChars = countedReleaseStringChars;
    table.ExceptionOccurred = countedExceptionOccurred;
    table.ExceptionCheck = countedExceptionCheck;
    active = this;
    forwardTo = original;
    env->functions = &table;
}

JNICallCounter::~JNICallCounter() {
    env->functions = original;
    active = nullptr;
    forwardTo = nullptr;
}

// JVMTI's function interception: unlike a JNIEnv's own table, it reaches the threads that
// attach later too, so references made on one thread and deleted on another balance.
void JNICallCounter::countGlobalReferences(JavaVM* vm) {
    jvmtiEnv* jvmti = nullptr;
    jniNativeInterface* table = nullptr;
    if (vm->GetEnv(reinterpret_cast<void**>(&jvmti), JVMTI_VERSION_1_0) != JNI_OK ||
        jvmti->GetJNIFunctionTable(&table) != JVMTI_ERROR_NONE) {
        throw nativepp::NativeppException("cannot read the JNI function table to count global references");
    }
    vmNewGlobalRef = table->NewGlobalRef;
    vmDeleteGlobalRef = table->DeleteGlobalRef;
    table->NewGlobalRef = tallyNewGlobalRef;
    table->DeleteGlobalRef = tallyDeleteGlobalRef;
    const jvmtiError set = jvmti->SetJNIFunctionTable(table);
    jvmti->Deallocate(reinterpret_cast<unsigned char*>(table));
    if (set != JVMTI_ERROR_NONE) {
        throw nativepp::NativeppException("cannot count global references", set);
    }
}

int JNICallCounter::liveGlobalReferences() { return liveGlobals.load(); }

JNICallCounter::OnThisThread::OnThisThread(JNICallCounter& counter)
    : env(nativepp::NativeppJVM::getJNIEnv()), original(env->functions) {
    env->functions = &counter.table;
}

JNICallCounter::OnThisThread::~OnThisThread() { env->functions = original; }

int JNICallCounter::calls(const std::string& function) const {
    auto found = counts.find(function);
    return found == counts.end() ? 0 : found->second;
}

int JNICallCounter::referenceCalls() const {
    return calls("NewGlobalRef") + calls("DeleteGlobalRef") + calls("NewLocalRef") + calls("DeleteLocalRef");
}

int JNICallCounter::localDeletionsOf(jobject obj) const {
    return static_cast<int>(std::count(deletedLocals.begin(), deletedLocals.end(), obj));
}

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
const char* const kLocalsMade = "local references made";
const char* const kLocalsDeleted = "local references deleted";

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

// A call that returns a new local reference; a result that is not null counts as one made.
#define COUNTED_LOCAL(NAME, RESULT, PARAMS, ARGS)                 \
    RESULT JNICALL counted##NAME PARAMS {                         \
        RESULT result = forwardTo->NAME ARGS;                     \
        std::lock_guard<std::mutex> held(countsLock);             \
        ++active->counts[#NAME];                                  \
        if (result != nullptr) {                                  \
            ++active->counts[kLocalsMade];                        \
        }                                                         \
        return result;                                            \
    }

COUNTED(NewGlobalRef, jobject, (JNIEnv * e, jobject o), (e, o))
COUNTED(DeleteGlobalRef, void, (JNIEnv * e, jobject o), (e, o))
COUNTED_LOCAL(NewLocalRef, jobject, (JNIEnv * e, jobject o), (e, o))
COUNTED_LOCAL(FindClass, jclass, (JNIEnv * e, const char* n), (e, n))
COUNTED(GetMethodID, jmethodID, (JNIEnv * e, jclass c, const char* n, const char* s), (e, c, n, s))
COUNTED(GetStaticMethodID, jmethodID, (JNIEnv * e, jclass c, const char* n, const char* s), (e, c, n, s))
COUNTED(GetFieldID, jfieldID, (JNIEnv * e, jclass c, const char* n, const char* s), (e, c, n, s))
COUNTED(GetStaticFieldID, jfieldID, (JNIEnv * e, jclass c, const char* n, const char* s), (e, c, n, s))
COUNTED_LOCAL(GetSuperclass, jclass, (JNIEnv * e, jclass c), (e, c))
COUNTED_WITH_OBJECT(MonitorEnter, jint, (JNIEnv * e, jobject o), (e, o), o)
COUNTED_WITH_OBJECT(MonitorExit, jint, (JNIEnv * e, jobject o), (e, o), o)
COUNTED_LOCAL(AllocObject, jobject, (JNIEnv * e, jclass c), (e, c))
COUNTED(IsSameObject, jboolean, (JNIEnv * e, jobject a, jobject b), (e, a, b))
COUNTED(IsInstanceOf, jboolean, (JNIEnv * e, jobject o, jclass c), (e, o, c))
COUNTED_WITH_OBJECT(GetStringUTFChars, const char*, (JNIEnv * e, jstring s, jboolean* c), (e, s, c), s)
COUNTED_WITH_OBJECT(GetStringChars, const jchar*, (JNIEnv * e, jstring s, jboolean* c), (e, s, c), s)
COUNTED_WITH_OBJECT(GetStringLength, jsize, (JNIEnv * e, jstring s), (e, s), s)
COUNTED_WITH_OBJECT(Throw, jint, (JNIEnv * e, jthrowable t), (e, t), t)
COUNTED(ReleaseStringUTFChars, void, (JNIEnv * e, jstring s, const char* c), (e, s, c))
COUNTED(ReleaseStringChars, void, (JNIEnv * e, jstring s, const jchar* c), (e, s, c))
COUNTED_LOCAL(ExceptionOccurred, jthrowable, (JNIEnv * e), (e))
COUNTED_LOCAL(GetObjectClass, jclass, (JNIEnv * e, jobject o), (e, o))
COUNTED_LOCAL(NewObjectV, jobject, (JNIEnv * e, jclass c, jmethodID m, va_list a), (e, c, m, a))
COUNTED_LOCAL(CallObjectMethodV, jobject, (JNIEnv * e, jobject o, jmethodID m, va_list a), (e, o, m, a))
COUNTED_LOCAL(CallStaticObjectMethodV, jobject, (JNIEnv * e, jclass c, jmethodID m, va_list a), (e, c, m, a))
COUNTED_LOCAL(GetObjectField, jobject, (JNIEnv * e, jobject o, jfieldID f), (e, o, f))
COUNTED_LOCAL(GetStaticObjectField, jobject, (JNIEnv * e, jclass c, jfieldID f), (e, c, f))
COUNTED_LOCAL(GetObjectArrayElement, jobject, (JNIEnv * e, jobjectArray a, jsize i), (e, a, i))
COUNTED_LOCAL(NewStringUTF, jstring, (JNIEnv * e, const char* c), (e, c))
COUNTED_LOCAL(NewString, jstring, (JNIEnv * e, const jchar* c, jsize n), (e, c, n))
COUNTED_LOCAL(NewObjectArray, jobjectArray, (JNIEnv * e, jsize n, jclass c, jobject o), (e, n, c, o))
COUNTED_LOCAL(NewIntArray, jintArray, (JNIEnv * e, jsize n), (e, n))
COUNTED_LOCAL(NewByteArray, jbyteArray, (JNIEnv * e, jsize n), (e, n))

void JNICALL countedDeleteLocalRef(JNIEnv* e, jobject o) {
    {
        std::lock_guard<std::mutex> held(countsLock);
        ++active->counts["DeleteLocalRef"];
        if (o != nullptr) {
            ++active->counts[kLocalsDeleted];
        }
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
    table.GetObjectClass = countedGetObjectClass;
    table.NewObjectV = countedNewObjectV;
    table.CallObjectMethodV = countedCallObjectMethodV;
    table.CallStaticObjectMethodV = countedCallStaticObjectMethodV;
    table.GetObjectField = countedGetObjectField;
    table.GetStaticObjectField = countedGetStaticObjectField;
    table.GetObjectArrayElement = countedGetObjectArrayElement;
    table.NewStringUTF = countedNewStringUTF;
    table.NewString = countedNewString;
    table.NewObjectArray = countedNewObjectArray;
    table.NewIntArray = countedNewIntArray;
    table.NewByteArray = countedNewByteArray;
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

int JNICallCounter::liveLocalReferences() const { return calls(kLocalsMade) - calls(kLocalsDeleted); }

int JNICallCounter::localDeletionsOf(jobject obj) const {
    return static_cast<int>(std::count(deletedLocals.begin(), deletedLocals.end(), obj));
}

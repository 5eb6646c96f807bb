/* Counts the JNI functions that the thread which started counting calls, through JVMTI's
   function table interception: the virtual machine's table (that of every thread) is
   replaced by one whose entries are the counting stubs of <target>/JniCallCounterStubs.S; they count
   the calls given that thread's JNIEnv and forward every call to the original function.
   A native method's own entry and return are not JNI function calls and are not counted. */
#include <jni.h>
#include <jvmti.h>
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#define JNI_COUNTED_ENTRIES 256
#define STUB_SIZE 16
#define TABLE_ENTRIES (sizeof(struct JNINativeInterface_) / sizeof(void*))

_Static_assert(TABLE_ENTRIES <= JNI_COUNTED_ENTRIES, "more JNI functions than counting stubs");

extern uint32_t jni_call_counts[] __attribute__((visibility("hidden")));
extern void* jni_call_targets[] __attribute__((visibility("hidden")));
extern char jni_call_stubs[] __attribute__((visibility("hidden")));
extern JNIEnv* jni_counted_env __attribute__((visibility("hidden")));

static jvmtiEnv* jvmti;
static jniNativeInterface* original;
static uint32_t lastCounts[JNI_COUNTED_ENTRIES];

/* The functions that the scenarios are expected to call; any other is reported by index. */
#define NAMED(function) {offsetof(struct JNINativeInterface_, function) / sizeof(void*), #function}
static const struct {
    size_t index;
    const char* name;
} names[] = {
    NAMED(FindClass), NAMED(IsAssignableFrom), NAMED(Throw), NAMED(ExceptionOccurred), NAMED(ExceptionClear), NAMED(ExceptionCheck),
    NAMED(NewGlobalRef), NAMED(DeleteGlobalRef), NAMED(DeleteLocalRef), NAMED(NewLocalRef),
    NAMED(NewWeakGlobalRef), NAMED(DeleteWeakGlobalRef), NAMED(IsSameObject), NAMED(PushLocalFrame),
    NAMED(PopLocalFrame), NAMED(AllocObject), NAMED(NewObject), NAMED(GetObjectClass), NAMED(IsInstanceOf),
    NAMED(GetMethodID), NAMED(GetStaticMethodID), NAMED(GetFieldID), NAMED(CallObjectMethod),
    NAMED(CallObjectMethodV), NAMED(CallObjectMethodA), NAMED(CallIntMethod), NAMED(CallIntMethodV),
    NAMED(CallIntMethodA), NAMED(CallVoidMethod), NAMED(CallVoidMethodA), NAMED(CallStaticVoidMethod),
    NAMED(CallStaticObjectMethod), NAMED(CallNonvirtualVoidMethod), NAMED(CallNonvirtualIntMethod),
    NAMED(CallNonvirtualIntMethodA), NAMED(GetObjectField), NAMED(GetIntField), NAMED(GetLongField),
    NAMED(SetIntField), NAMED(GetArrayLength), NAMED(GetObjectArrayElement), NAMED(NewObjectArray),
    NAMED(SetObjectArrayElement), NAMED(NewIntArray),
    NAMED(GetIntArrayRegion), NAMED(SetIntArrayRegion), NAMED(GetIntArrayElements),
    NAMED(ReleaseIntArrayElements), NAMED(GetPrimitiveArrayCritical), NAMED(ReleasePrimitiveArrayCritical),
    NAMED(MonitorEnter), NAMED(MonitorExit), NAMED(GetJavaVM), NAMED(NewDirectByteBuffer),
    NAMED(GetDirectBufferAddress), NAMED(GetDirectBufferCapacity), NAMED(NewStringUTF),
    NAMED(GetStringUTFChars), NAMED(ReleaseStringUTFChars), NAMED(GetSuperclass), NAMED(GetStaticFieldID),
    NAMED(CallStaticIntMethodV), NAMED(CallStaticObjectMethodV), NAMED(CallVoidMethodV), NAMED(GetStaticIntField),
    NAMED(GetStaticObjectField), NAMED(NewString), NAMED(GetStringLength), NAMED(GetStringRegion),
    NAMED(GetStringUTFLength), NAMED(GetStringUTFRegion), NAMED(GetStringCritical), NAMED(ReleaseStringCritical),
    NAMED(NewObjectV), NAMED(ThrowNew), NAMED(GetObjectRefType),
};

static const char* functionName(size_t index, char* scratch, size_t size) {
    for (size_t i = 0; i < sizeof names / sizeof names[0]; ++i) {
        if (names[i].index == index) {
            return names[i].name;
        }
    }
    snprintf(scratch, size, "JNI function #%u", (unsigned)index);
    return scratch;
}

static jboolean fail(jvmtiError error, const char* what) {
    fprintf(stderr, "JNI call counter: %s failed (JVMTI error %d)\n", what, (int)error);
    return JNI_FALSE;
}

/* Starts counting the calling thread's JNI calls; false, with a line on stderr, when JVMTI refuses. */
JNIEXPORT jboolean JNICALL Java_com_drovantel_tarvelo_bench_JniCallCounter_start(JNIEnv* env, jclass type) {
    (void)type;
    if (jvmti == NULL) {
        JavaVM* vm = NULL;
        if ((*env)->GetJavaVM(env, &vm) != JNI_OK ||
            (*vm)->GetEnv(vm, (void**)&jvmti, JVMTI_VERSION_1_0) != JNI_OK) {
            jvmti = NULL;
            return fail(JVMTI_ERROR_NONE, "GetEnv(JVMTI)");
        }
    }
    if (original != NULL) {
        return fail(JVMTI_ERROR_NONE, "start while counting");
    }
    jvmtiError error = (*jvmti)->GetJNIFunctionTable(jvmti, &original);
    if (error != JVMTI_ERROR_NONE) {
        original = NULL;
        return fail(error, "GetJNIFunctionTable");
    }
    jni_counted_env = env;
    struct JNINativeInterface_ counting = *original;
    void** entries = (void**)&counting;
    void* const* targets = (void* const*)original;
    for (size_t i = 0; i < TABLE_ENTRIES; ++i) {
        jni_call_counts[i] = 0;
        jni_call_targets[i] = targets[i];
        if (targets[i] != NULL) {  /* the reserved entries stay null */
            entries[i] = jni_call_stubs + i * STUB_SIZE;
        }
    }
    error = (*jvmti)->SetJNIFunctionTable(jvmti, &counting);
    if (error != JVMTI_ERROR_NONE) {
        (*jvmti)->Deallocate(jvmti, (unsigned char*)original);
        original = NULL;
        return fail(error, "SetJNIFunctionTable");
    }
    return JNI_TRUE;
}

/* Puts the original table back; returns the number of JNI calls since start, or -1. */
JNIEXPORT jlong JNICALL Java_com_drovantel_tarvelo_bench_JniCallCounter_stop(JNIEnv* env, jclass type) {
    (void)env;
    (void)type;
    if (original == NULL) {
        return -1;
    }
    jvmtiError error = (*jvmti)->SetJNIFunctionTable(jvmti, original);
    (*jvmti)->Deallocate(jvmti, (unsigned char*)original);
    original = NULL;
    if (error != JVMTI_ERROR_NONE) {
        fail(error, "SetJNIFunctionTable (restore)");
        return -1;
    }
    jlong total = 0;
    for (size_t i = 0; i < TABLE_ENTRIES; ++i) {
        lastCounts[i] = jni_call_counts[i];
        total += lastCounts[i];
    }
    return total;
}

/* The functions of the last count, each with its calls divided by operations. */
JNIEXPORT jstring JNICALL Java_com_drovantel_tarvelo_bench_JniCallCounter_calledFunctions(
    JNIEnv* env, jclass type, jlong operations) {
    (void)type;
    char text[2048] = "";
    size_t used = 0;
    for (size_t i = 0; i < TABLE_ENTRIES && used < sizeof text; ++i) {
        if (lastCounts[i] == 0) {
            continue;
        }
        char scratch[32];
        double perOperation = operations > 0 ? (double)lastCounts[i] / (double)operations : 0;
        used += (size_t)snprintf(text + used, sizeof text - used, "%s%s %.3g", used == 0 ? "" : ", ",
                                 functionName(i, scratch, sizeof scratch), perOperation);
    }
    return (*env)->NewStringUTF(env, text);
}

/* Native side of the benchmarks: the function every downcall calls, the plain JNI floors,
 * and the loops that call back into Java through the bridge, through a plain function
 * pointer (JNA and JNR-FFI) and through JNI. */
#include <jni.h>
#include <stdint.h>
#include <tarvelo/tarvelo.h>

int add(int a, int b) { return a + b; }

/* Four doubles and four ints, interleaved: on x86-64 they fill both halves of the register image. */
double mix(int a, double b, int c, double d, int e, double f, int g, double h) {
    return a + b + c + d + e + f + g + h;
}

JNIEXPORT jdouble JNICALL Java_com_drovantel_tarvelo_bench_PlainJni_mix(
    JNIEnv* env, jclass type, jint a, jdouble b, jint c, jdouble d, jint e, jdouble f, jint g, jdouble h) {
    (void)env;
    (void)type;
    return mix(a, b, c, d, e, f, g, h);
}

JNIEXPORT jint JNICALL Java_com_drovantel_tarvelo_bench_PlainJni_add(JNIEnv* env, jclass type, jint a, jint b) {
    (void)env;
    (void)type;
    return a + b;
}

/* The floor of the bridge's callInt: a native of the same signature that calls the function
 * through a pointer, with the two int arguments it knows the function takes: the first two
 * words of an i386 block, the RDI and RSI slots of an x86-64 one. */
JNIEXPORT jint JNICALL Java_com_drovantel_tarvelo_bench_PlainJni_callInt(
    JNIEnv* env, jclass type, jlong address, jint callingConvention, jlong argsAddress, jlong argsSize) {
    (void)env;
    (void)type;
    (void)callingConvention;
    (void)argsSize;
    int (*function)(int, int) = (int (*)(int, int))(intptr_t)address;
    const intptr_t* args = (const intptr_t*)(intptr_t)argsAddress;
    return function((int)args[0], (int)args[1]);
}

/* Calls back `count` times through the bridge; each call gets a block holding its index. */
int tarvelo_upcall_loop(TarveloCallback* callback, int count) {
    int sum = 0;
    for (int i = 0; i < count; ++i) {
        int32_t block[1] = {i};
        sum += onCallInt(callback, block);
    }
    return sum;
}

/* Calls back `count` times through a plain C function pointer (a JNA or JNR-FFI callback). */
int pointer_upcall_loop(int (*callback)(int), int count) {
    int sum = 0;
    for (int i = 0; i < count; ++i) {
        sum += callback(i);
    }
    return sum;
}

/* The floor for upcalls: the same loop with a cached method ID and CallIntMethod. */
JNIEXPORT jint JNICALL Java_com_drovantel_tarvelo_bench_PlainJni_upcallLoop(
    JNIEnv* env, jclass type, jobject target, jint count) {
    (void)type;
    jclass targetClass = (*env)->GetObjectClass(env, target);
    jmethodID apply = (*env)->GetMethodID(env, targetClass, "applyAsInt", "(I)I");
    (*env)->DeleteLocalRef(env, targetClass);
    if (apply == NULL) {
        return 0;
    }
    jint sum = 0;
    for (jint i = 0; i < count; ++i) {
        sum += (*env)->CallIntMethod(env, target, apply, i);
        if ((*env)->ExceptionCheck(env)) {
            return 0;
        }
    }
    return sum;
}

/* Floors for native memory access: what a dedicated JNI native does at best. */
JNIEXPORT jint JNICALL Java_com_drovantel_tarvelo_bench_PlainJni_getInt(JNIEnv* env, jclass type, jlong address) {
    (void)env;
    (void)type;
    return *(const jint*)(intptr_t)address;
}

JNIEXPORT void JNICALL Java_com_drovantel_tarvelo_bench_PlainJni_setInt(JNIEnv* env, jclass type, jlong address, jint value) {
    (void)env;
    (void)type;
    *(jint*)(intptr_t)address = value;
}

JNIEXPORT void JNICALL Java_com_drovantel_tarvelo_bench_PlainJni_getIntArray(
    JNIEnv* env, jclass type, jlong address, jintArray array) {
    (void)type;
    (*env)->SetIntArrayRegion(env, array, 0, (*env)->GetArrayLength(env, array), (const jint*)(intptr_t)address);
}

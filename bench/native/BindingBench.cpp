// The binding layer's scenarios: each native loops n times over one proxy operation, and
// beside it its floor, the same operation written in raw JNI the way a careful programmer
// writes it (class and member IDs cached once, one exception check where Java may throw).
#include <jni.h>

#include "java/io/ByteArrayInputStream.h"
#include "java/lang/IntJArray.h"
#include "java/lang/Integer.h"
#include "java/lang/RuntimeException.h"
#include "java/lang/String.h"
#include "java/lang/Throwable.h"
#include "nativepp/NativeppBoundary.h"

namespace {

constexpr jint BULK_INTS = 1024;

struct RawIds {
    jclass integer;
    jmethodID length;
    jmethodID toString;
    jmethodID parseInt;
    jfieldID count;
    jfieldID maxValue;
};

const RawIds& rawIds(JNIEnv* env) {
    static const RawIds ids = [env] {
        jclass string = env->FindClass("java/lang/String");
        jclass integer = env->FindClass("java/lang/Integer");
        jclass stream = env->FindClass("java/io/ByteArrayInputStream");
        RawIds found{static_cast<jclass>(env->NewGlobalRef(integer)),
                     env->GetMethodID(string, "length", "()I"),
                     env->GetMethodID(string, "toString", "()Ljava/lang/String;"),
                     env->GetStaticMethodID(integer, "parseInt", "(Ljava/lang/String;)I"),
                     env->GetFieldID(stream, "count", "I"),
                     env->GetStaticFieldID(integer, "MAX_VALUE", "I")};
        env->DeleteLocalRef(string);
        env->DeleteLocalRef(integer);
        env->DeleteLocalRef(stream);
        return found;
    }();
    return ids;
}

// A proxy for a whole loop, bound to the caller's object.
template <typename Proxy>
Proxy proxyOf(JNIEnv* env, jobject obj) {
    return Proxy(nativepp::NativeppJObjectLocal(env->NewLocalRef(obj), env));
}

}  // namespace

#define BINDING_NATIVE(NAME, ...) \
    extern "C" JNIEXPORT jlong JNICALL Java_com_drovantel_tarvelo_bench_Binding_##NAME(JNIEnv* env, jclass, __VA_ARGS__)

BINDING_NATIVE(rawLength, jstring text, jint n) {
    const jmethodID length = rawIds(env).length;
    jlong sum = 0;
    for (jint i = 0; i < n; ++i) {
        sum += env->CallIntMethod(text, length);
        if (env->ExceptionCheck()) return 0;
    }
    return sum;
}

BINDING_NATIVE(proxyLength, jstring text, jint n) {
    return nativepp::nativeppBoundary(env, [&] {
        auto proxy = proxyOf<java::lang::String>(env, text);
        jlong sum = 0;
        for (jint i = 0; i < n; ++i) sum += proxy.length();
        return sum;
    });
}

BINDING_NATIVE(rawToStringLength, jstring text, jint n) {
    const RawIds& ids = rawIds(env);
    jlong sum = 0;
    for (jint i = 0; i < n; ++i) {
        jobject result = env->CallObjectMethod(text, ids.toString);
        if (env->ExceptionCheck()) return 0;
        sum += env->CallIntMethod(result, ids.length);
        env->DeleteLocalRef(result);
        if (env->ExceptionCheck()) return 0;
    }
    return sum;
}

BINDING_NATIVE(proxyToStringLength, jstring text, jint n) {
    return nativepp::nativeppBoundary(env, [&] {
        auto proxy = proxyOf<java::lang::String>(env, text);
        jlong sum = 0;
        for (jint i = 0; i < n; ++i) sum += proxy.toString().length();
        return sum;
    });
}

BINDING_NATIVE(rawParseInt, jstring text, jint n) {
    const RawIds& ids = rawIds(env);
    jlong sum = 0;
    for (jint i = 0; i < n; ++i) {
        sum += env->CallStaticIntMethod(ids.integer, ids.parseInt, text);
        if (env->ExceptionCheck()) return 0;
    }
    return sum;
}

BINDING_NATIVE(proxyParseInt, jstring text, jint n) {
    return nativepp::nativeppBoundary(env, [&] {
        auto proxy = proxyOf<java::lang::String>(env, text);
        jlong sum = 0;
        for (jint i = 0; i < n; ++i) sum += java::lang::Integer::parseInt(proxy);
        return sum;
    });
}

BINDING_NATIVE(rawCount, jobject stream, jint n) {
    const jfieldID count = rawIds(env).count;
    jlong sum = 0;
    for (jint i = 0; i < n; ++i) sum += env->GetIntField(stream, count);
    return sum;
}

// The second floor: the field read and the one exception check that any operation which
// promises never to leave an exception pending pays.
BINDING_NATIVE(rawCountChecked, jobject stream, jint n) {
    const jfieldID count = rawIds(env).count;
    jlong sum = 0;
    for (jint i = 0; i < n; ++i) {
        sum += env->GetIntField(stream, count);
        if (env->ExceptionCheck()) return 0;
    }
    return sum;
}

BINDING_NATIVE(proxyCount, jobject stream, jint n) {
    return nativepp::nativeppBoundary(env, [&] {
        auto proxy = proxyOf<java::io::ByteArrayInputStream>(env, stream);
        jlong sum = 0;
        for (jint i = 0; i < n; ++i) sum += proxy.count.get();
        return sum;
    });
}

BINDING_NATIVE(rawMaxValue, jint n) {
    const RawIds& ids = rawIds(env);
    jlong sum = 0;
    for (jint i = 0; i < n; ++i) sum += env->GetStaticIntField(ids.integer, ids.maxValue);
    return sum;
}

BINDING_NATIVE(proxyMaxValue, jint n) {
    return nativepp::nativeppBoundary(env, [&] {
        jlong sum = 0;
        for (jint i = 0; i < n; ++i) sum += java::lang::Integer::MAX_VALUE->get();
        return sum;
    });
}

BINDING_NATIVE(rawElement, jintArray ints, jint n) {
    jlong sum = 0;
    for (jint i = 0; i < n; ++i) {
        jint element;
        env->GetIntArrayRegion(ints, i & (BULK_INTS - 1), 1, &element);
        if (env->ExceptionCheck()) return 0;
        sum += element;
    }
    return sum;
}

BINDING_NATIVE(proxyElement, jintArray ints, jint n) {
    return nativepp::nativeppBoundary(env, [&] {
        auto proxy = proxyOf<java::lang::IntJArray>(env, ints);
        jlong sum = 0;
        for (jint i = 0; i < n; ++i) sum += proxy[i & (BULK_INTS - 1)].get();
        return sum;
    });
}

BINDING_NATIVE(rawBulk, jintArray ints, jint n) {
    jint copy[BULK_INTS];
    for (jint i = 0; i < n; ++i) {
        env->GetIntArrayRegion(ints, 0, BULK_INTS, copy);
        if (env->ExceptionCheck()) return 0;
    }
    return copy[7];
}

BINDING_NATIVE(proxyBulk, jintArray ints, jint n) {
    return nativepp::nativeppBoundary(env, [&] {
        auto proxy = proxyOf<java::lang::IntJArray>(env, ints);
        jint copy[BULK_INTS];
        for (jint i = 0; i < n; ++i) proxy.get(0, BULK_INTS, copy);
        return static_cast<jlong>(copy[7]);
    });
}

BINDING_NATIVE(rawThrow, jstring text, jint n) {
    const RawIds& ids = rawIds(env);
    jlong caught = 0;
    for (jint i = 0; i < n; ++i) {
        env->CallStaticIntMethod(ids.integer, ids.parseInt, text);
        jthrowable thrown = env->ExceptionOccurred();
        if (thrown != nullptr) {
            env->ExceptionClear();
            env->DeleteLocalRef(thrown);
            ++caught;
        }
    }
    return caught;
}

BINDING_NATIVE(proxyThrow, jstring text, jint n) {
    return nativepp::nativeppBoundary(env, [&] {
        auto proxy = proxyOf<java::lang::String>(env, text);
        jlong caught = 0;
        for (jint i = 0; i < n; ++i) {
            try {
                java::lang::Integer::parseInt(proxy);
            } catch (java::lang::RuntimeException&) {  // NumberFormatException, by its nearest proxy
                ++caught;
            }
        }
        return caught;
    });
}

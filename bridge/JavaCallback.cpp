#include "bridge/JavaCallback.h"

#include <cstdio>
#include <type_traits>

#include "bridge/JavaExceptions.h"
#include "bridge/LoadHook.h"
#include "bridge/LocalReference.h"
#include "bridge/NativeAddress.h"

const char* const JavaCallback::m_javaMethod[kTypeCount] = {
    nullptr,         "onCallVoid", "onCallBoolean", "onCallByte",   "onCallChar",   "onCallShort",
    "onCallInt",     "onCallLong", "onCallFloat",   "onCallDouble", "onCallPointer",
};

const char* const JavaCallback::m_javaSignature[kTypeCount] = {
    nullptr, "(J)V", "(J)Z", "(J)B", "(J)C", "(J)S", "(J)I", "(J)J", "(J)F", "(J)D", "(J)J",
};

namespace {

void throwTypeIndexOutOfRange(JNIEnv* env, jint typeIndex) {
    char message[64];
    std::snprintf(message, sizeof message, "callback type index %d is not in 1..10", static_cast<int>(typeIndex));
    ThrowByName(env, "java/lang/IllegalArgumentException", message);
}

}  // namespace

JavaCallback* JavaCallback::callbackRegister(JNIEnv* env, jobject caller, jobject referenceObject, jint typeIndex,
                                             jint extra) {
    // The method tables have no entry outside 1..10.
    if (!isTypeIndex(typeIndex)) {
        throwTypeIndexOutOfRange(env, typeIndex);
        return nullptr;
    }
    auto callback = std::make_unique<JavaCallback>(env, caller, referenceObject, typeIndex, extra);
    if (env->ExceptionCheck()) {
        // The Java caller gets the exception instead of the handle and could never release it.
        callback->free(env);
        return nullptr;
    }
    return callback.release();
}

jint JavaCallback::callbackUnregister(JNIEnv* env, jlong handle) {
    std::unique_ptr<JavaCallback> callback(fromJavaAddress<JavaCallback>(handle));
    if (!callback) {
        return 0;
    }
    callback->free(env);
    return 1;
}

jmethodID JavaCallback::getMethodId(JNIEnv* env, jobject caller, jint typeIndex) {
    if (!isTypeIndex(typeIndex)) {
        return nullptr;
    }
    LocalReference<jclass> type(env, env->GetObjectClass(caller));
    // A failed lookup answers null and leaves NoSuchMethodError pending for the Java caller.
    return env->GetMethodID(type.get(), m_javaMethod[typeIndex], m_javaSignature[typeIndex]);
}

JavaCallback::JavaCallback(JNIEnv* env, jobject caller, jobject referenceObject, jint typeIndex, jint extra)
    : m_target(std::make_unique<WeakReference>(env, referenceObject)),
      m_callMethodId(nullptr),
      m_typeIndex(typeIndex),
      m_extra(extra) {
    // No JNI call may follow a failed lookup of the reference object's "get".
    if (!env->ExceptionCheck()) {
        m_callMethodId = getMethodId(env, caller, typeIndex);
    }
}

JavaCallback::~JavaCallback() = default;

void JavaCallback::free(JNIEnv* env) { m_target->free(env); }

template <typename Result, Result (JNIEnv::*call)(jobject, jmethodID, ...)>
Result JavaCallback::callJava(void* args) {
    JNIEnv* env = getJNIEnv();
    // An exception left by an earlier callback on this thread must reach the Java caller
    // first, and JNI allows no call while it is pending.
    if (env == nullptr || m_callMethodId == nullptr || env->ExceptionCheck()) {
        return Result();
    }
    LocalReference<jobject> referent(env, m_target->get(env));
    if (env->ExceptionCheck()) {
        return Result();
    }
    if (referent.isNull()) {
        // Reported like an exception of the callback method, so that the native caller's
        // 0 is not mistaken for an answer.
        if (m_target->isLinked()) {
            ThrowNativeException(env, "the callback's Java object was collected");
        }
        return Result();
    }
    const jlong blockAddress = toJavaAddress(args);
    if constexpr (std::is_void_v<Result>) {
        (env->*call)(referent.get(), m_callMethodId, blockAddress);
        // Checked as JNI requires; the exception stays pending for the Java caller.
        env->ExceptionCheck();
    } else {
        const Result result = (env->*call)(referent.get(), m_callMethodId, blockAddress);
        return env->ExceptionCheck() ? Result() : result;
    }
}

void JavaCallback::onCallVoid(void* args) { callJava<void, &JNIEnv::CallVoidMethod>(args); }
jboolean JavaCallback::onCallBoolean(void* args) { return callJava<jboolean, &JNIEnv::CallBooleanMethod>(args); }
jbyte JavaCallback::onCallByte(void* args) { return callJava<jbyte, &JNIEnv::CallByteMethod>(args); }
jchar JavaCallback::onCallChar(void* args) { return callJava<jchar, &JNIEnv::CallCharMethod>(args); }
jshort JavaCallback::onCallShort(void* args) { return callJava<jshort, &JNIEnv::CallShortMethod>(args); }
jint JavaCallback::onCallInt(void* args) { return callJava<jint, &JNIEnv::CallIntMethod>(args); }
jlong JavaCallback::onCallLong(void* args) { return callJava<jlong, &JNIEnv::CallLongMethod>(args); }
jfloat JavaCallback::onCallFloat(void* args) { return callJava<jfloat, &JNIEnv::CallFloatMethod>(args); }
jdouble JavaCallback::onCallDouble(void* args) { return callJava<jdouble, &JNIEnv::CallDoubleMethod>(args); }
void* JavaCallback::onCallPointer(void* args) {
    // The Java long is an address: only its low 32 bits reach the native caller.
    return fromJavaAddress(callJava<jlong, &JNIEnv::CallLongMethod>(args));
}

// The jint results widen each narrow Java result by its own signedness: jboolean and jchar
// zero-extend, jbyte and jshort sign-extend. A null handle answers 0 like a callback whose
// referent is gone, instead of crashing the caller.
#define TARVELO_CALLBACK_ENTRY_POINT(Result, name)                                                 \
    extern "C" JNIEXPORT Result TARVELO_NATIVE_ENTRY name(JavaCallback* callback, void* args) {     \
        return callback != nullptr ? callback->name(args) : decltype(callback->name(args))();   \
    }

TARVELO_CALLBACK_ENTRY_POINT(void, onCallVoid)
TARVELO_CALLBACK_ENTRY_POINT(jint, onCallBoolean)
TARVELO_CALLBACK_ENTRY_POINT(jint, onCallByte)
TARVELO_CALLBACK_ENTRY_POINT(jint, onCallChar)
TARVELO_CALLBACK_ENTRY_POINT(jint, onCallShort)
TARVELO_CALLBACK_ENTRY_POINT(jint, onCallInt)
TARVELO_CALLBACK_ENTRY_POINT(jlong, onCallLong)
TARVELO_CALLBACK_ENTRY_POINT(jfloat, onCallFloat)
TARVELO_CALLBACK_ENTRY_POINT(jdouble, onCallDouble)
TARVELO_CALLBACK_ENTRY_POINT(void*, onCallPointer)

#undef TARVELO_CALLBACK_ENTRY_POINT

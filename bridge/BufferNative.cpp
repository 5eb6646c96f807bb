// Natives of BufferNative: allocation of native memory and typed access to it.
#include <jni.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "bridge/JavaExceptions.h"
#include "bridge/NativeAddress.h"

namespace {

const char* const accessError = "Error accessing native memory";

// Runs `access` on memory unless one of its pointers is null; a null pointer raises instead
// of crashing the virtual machine. Anything the access throws becomes the same Java
// exception, so no native exception reaches the virtual machine.
template <typename Access>
void guardedAccess(JNIEnv* env, bool pointersValid, Access access) {
    if (!pointersValid) {
        ThrowNativeException(env, accessError);
        return;
    }
    try {
        access();
    } catch (...) {
        ThrowNativeException(env, accessError);
    }
}

// Values are copied byte-wise, so any alignment works.
template <typename T>
T readValue(JNIEnv* env, jlong address, jlong offset) {
    const void* p = effectiveAddress(address, offset);
    T value{};
    guardedAccess(env, p != nullptr, [&] { std::memcpy(&value, p, sizeof value); });
    return value;
}

template <typename T>
void writeValue(JNIEnv* env, jlong address, jlong offset, T value) {
    void* p = effectiveAddress(address, offset);
    guardedAccess(env, p != nullptr, [&] { std::memcpy(p, &value, sizeof value); });
}

// A Java array and a run of its elements; the virtual machine checks start and length.
template <typename Array>
struct ArrayRun {
    Array array;
    jint start;
    jint length;
};

// Native memory starts at `offset` elements past `address`. A null array would be a fatal
// JNI error, so it is refused as Java would refuse it. A null native side is refused only
// when elements would move; a negative length is left to the VM's range check.
template <typename T, typename Array, typename Transfer>
void transferRun(JNIEnv* env, jlong address, jlong offset, const ArrayRun<Array>& run, Transfer transfer) {
    if (run.array == nullptr) {
        ThrowByName(env, "java/lang/NullPointerException", "array is null");
        return;
    }
    T* p = effectiveAddress<T>(address, offset, sizeof(T));
    guardedAccess(env, p != nullptr || run.length <= 0, [&] { transfer(p); });
}

// Native memory to Java: the array's Set...ArrayRegion.
template <typename T, typename Array>
void toJava(JNIEnv* env, jlong address, jlong offset, const ArrayRun<Array>& run,
            void (JNIEnv::*setRegion)(Array, jsize, jsize, const T*)) {
    transferRun<T>(env, address, offset, run,
                   [&](T* p) { (env->*setRegion)(run.array, run.start, run.length, p); });
}

// Java to native memory: the array's Get...ArrayRegion.
template <typename T, typename Array>
void fromJava(JNIEnv* env, jlong address, jlong offset, const ArrayRun<Array>& run,
              void (JNIEnv::*getRegion)(Array, jsize, jsize, T*)) {
    transferRun<T>(env, address, offset, run,
                   [&](T* p) { (env->*getRegion)(run.array, run.start, run.length, p); });
}

// A direct buffer's capacity is a Java int, and its bytes must not wrap past the end of the
// address space, where the buffer's index arithmetic would reach address 0 and up.
bool isViewableBlock(const void* address, jlong size) {
    return address != nullptr && size >= 1 && size <= INT32_MAX &&
           static_cast<std::uint64_t>(size - 1) <= UINTPTR_MAX - reinterpret_cast<uintptr_t>(address);
}

}  // namespace

#define BUFFER_NATIVE(name) Java_com_drovantel_tarvelo_core_impl_jni_BufferNative_##name

extern "C" {

JNIEXPORT jlong JNICALL BUFFER_NATIVE(malloc)(JNIEnv*, jclass, jlong size, jboolean /*zeroed*/) {
    std::size_t bytes = 0;
    if (!toByteCount(size, &bytes)) {
        return 0;
    }
    return toJavaAddress(std::calloc(bytes, 1));
}

JNIEXPORT void JNICALL BUFFER_NATIVE(free)(JNIEnv*, jclass, jlong address, jboolean /*zeroed*/) {
    std::free(fromJavaAddress(address));
}

// The C library frees a block resized to 0 and may return null, which the Java side would
// take for failure while still holding the freed block; 1 byte keeps a valid block instead.
JNIEXPORT jlong JNICALL BUFFER_NATIVE(realloc)(JNIEnv*, jclass, jlong address, jlong size) {
    std::size_t bytes = 0;
    if (!toByteCount(size, &bytes)) {
        return 0;
    }
    return toJavaAddress(std::realloc(fromJavaAddress(address), bytes == 0 ? 1 : bytes));
}

JNIEXPORT jint JNICALL BUFFER_NATIVE(getStringLength)(JNIEnv* env, jclass, jlong address, jlong offset) {
    const char* p = effectiveAddress<const char>(address, offset);
    jint length = 0;
    guardedAccess(env, p != nullptr, [&] { length = static_cast<jint>(std::strlen(p)); });
    return length;
}

JNIEXPORT jint JNICALL BUFFER_NATIVE(getStringUnicodeLength)(JNIEnv* env, jclass, jlong address, jlong offset) {
    const wchar_t* p = effectiveAddress<const wchar_t>(address, offset);
    jint length = 0;
    guardedAccess(env, p != nullptr, [&] { length = static_cast<jint>(std::wcslen(p)); });
    return length;
}

// memmove, so that overlapping source and destination ranges copy correctly.
JNIEXPORT void JNICALL BUFFER_NATIVE(copyFrom)(JNIEnv* env, jclass, jlong address, jlong offset,
                                               jlong sourceAddress, jlong length) {
    void* destination = effectiveAddress(address, offset);
    const void* source = fromJavaAddress(sourceAddress);
    const std::size_t bytes = lowByteCount(length);
    guardedAccess(env, bytes == 0 || (destination != nullptr && source != nullptr),
                  [&] { std::memmove(destination, source, bytes); });
}

// A view, not a copy: the buffer does not own the block. Its byte order is left to the
// caller (a new buffer is big-endian).
JNIEXPORT jobject JNICALL BUFFER_NATIVE(newDirectByteBuffer)(JNIEnv* env, jclass, jlong address, jlong size) {
    void* block = fromJavaAddress(address);
    if (!isViewableBlock(block, size)) {
        ThrowNativeException(env, accessError);
        return nullptr;
    }
    jobject buffer = env->NewDirectByteBuffer(block, size);
    // Null without a pending exception: a virtual machine without direct buffer support.
    if (buffer == nullptr && !env->ExceptionCheck()) {
        ThrowNativeException(env, accessError);
    }
    return buffer;
}

#define BUFFER_SCALAR(Type, jtype)                                                                   \
    JNIEXPORT jtype JNICALL BUFFER_NATIVE(get##Type)(JNIEnv* env, jclass, jlong address, jlong offset) { \
        return readValue<jtype>(env, address, offset);                                               \
    }                                                                                                \
    JNIEXPORT void JNICALL BUFFER_NATIVE(set##Type)(JNIEnv* env, jclass, jlong address, jlong offset, \
                                                    jtype value) {                                   \
        writeValue<jtype>(env, address, offset, value);                                              \
    }

#define BUFFER_ARRAY(Type, jtype)                                                                     \
    JNIEXPORT void JNICALL BUFFER_NATIVE(get##Type##Array)(JNIEnv* env, jclass, jlong address, jlong offset, \
                                                           jtype##Array array, jint start, jint length) { \
        toJava(env, address, offset, ArrayRun<jtype##Array>{array, start, length},                    \
               &JNIEnv::Set##Type##ArrayRegion);                                                      \
    }                                                                                                 \
    JNIEXPORT void JNICALL BUFFER_NATIVE(set##Type##Array)(JNIEnv* env, jclass, jlong address, jlong offset, \
                                                           jtype##Array array, jint start, jint length) { \
        fromJava(env, address, offset, ArrayRun<jtype##Array>{array, start, length},                  \
                 &JNIEnv::Get##Type##ArrayRegion);                                                    \
    }

#define BUFFER_PRIMITIVE(Type, jtype) BUFFER_SCALAR(Type, jtype) BUFFER_ARRAY(Type, jtype)

BUFFER_PRIMITIVE(Boolean, jboolean)
BUFFER_PRIMITIVE(Byte, jbyte)
BUFFER_PRIMITIVE(Char, jchar)
BUFFER_PRIMITIVE(Short, jshort)
BUFFER_PRIMITIVE(Int, jint)
BUFFER_PRIMITIVE(Long, jlong)
BUFFER_PRIMITIVE(Float, jfloat)
BUFFER_PRIMITIVE(Double, jdouble)

#undef BUFFER_PRIMITIVE
#undef BUFFER_ARRAY
#undef BUFFER_SCALAR

}  // extern "C"

#undef BUFFER_NATIVE

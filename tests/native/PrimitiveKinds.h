#ifndef TESTS_NATIVE_PRIMITIVEKINDS_H
#define TESTS_NATIVE_PRIMITIVEKINDS_H

#include <gtest/gtest.h>
#include <jni.h>

#include <climits>
#include <vector>

#include "nativepp/NativeppArray.h"
#include "tests/native/Echo.h"
#include "tests/native/FieldHolder.h"
#include "tests/native/MembersTestSupport.h"

namespace primitivekinds {

using com::drovantel::tarvelo::members::Echo;
using com::drovantel::tarvelo::members::FieldHolder;
using nativepp::NativeppJObjectLocal;

// One primitive kind: its value class, the test holder's members of it, JNI's own access to
// them, the echo methods and array operations of its type, and samples that cover its range
// and bit patterns.
#define PRIMITIVE_KIND(KIND, NATIVE, JAVA, SIGNATURE, ...)                                         \
    struct KIND##Kind {                                                                            \
        using Value = nativepp::Nativepp##KIND;                                                    \
        using Native = NATIVE;                                                                     \
        static constexpr const char* javaName = #JAVA;                                              \
        static constexpr const char* signature = SIGNATURE;                                        \
        static constexpr const char* field = #JAVA "Field";                                         \
        static constexpr const char* staticField = "static" #KIND;                                 \
        static Value& member(FieldHolder& holder) { return holder.JAVA##Field; }                   \
        static Value& staticMember() { return *FieldHolder::static##KIND; }                        \
        static Native javaGet(JNIEnv* env, jobject obj, jfieldID id) { return env->Get##KIND##Field(obj, id); } \
        static void javaSet(JNIEnv* env, jobject obj, jfieldID id, Native v) { env->Set##KIND##Field(obj, id, v); } \
        static Native javaGetStatic(JNIEnv* env, jobject cls, jfieldID id) {                       \
            return env->GetStatic##KIND##Field(static_cast<jclass>(cls), id);                      \
        }                                                                                          \
        static void javaSetStatic(JNIEnv* env, jobject cls, jfieldID id, Native v) {               \
            env->SetStatic##KIND##Field(static_cast<jclass>(cls), id, v);                          \
        }                                                                                          \
        static Native echo(Echo& echo, Native v) { return echo.echo##KIND(v); }                     \
        static Native staticEcho(Native v) { return Echo::staticEcho##KIND(v); }                   \
        static NativeppJObjectLocal newArray(int n, JNIEnv* env) {                                 \
            return nativepp::NativeppArray::new##KIND##Array(n, env);                              \
        }                                                                                          \
        static Native* getRegion(nativepp::NativeppObject* a, int start, int n, Native* buffer, JNIEnv* env) { \
            return nativepp::NativeppArray::get##KIND##Array(a, start, n, buffer, env);            \
        }                                                                                          \
        static void setRegion(nativepp::NativeppObject* a, int start, int n, const Native* buffer, JNIEnv* env) { \
            nativepp::NativeppArray::set##KIND##Array(a, start, n, buffer, env);                   \
        }                                                                                          \
        static std::vector<Native> samples() { return {__VA_ARGS__}; }                             \
    };

PRIMITIVE_KIND(Boolean, unsigned char, boolean, "Z", 1, 0)
PRIMITIVE_KIND(Byte, signed char, byte, "B", -1, -128, 127)
PRIMITIVE_KIND(Char, unsigned short, char, "C", 0xFFFF, 0x00E9)
PRIMITIVE_KIND(Short, short, short, "S", -1, -32768, 32767)
PRIMITIVE_KIND(Int, int, int, "I", -1, INT_MIN, INT_MAX)
PRIMITIVE_KIND(Long, long long, long, "J", LLONG_MIN, LLONG_MAX, -1)
// Negative zero, a quiet NaN with a payload, the smallest subnormal, infinity.
PRIMITIVE_KIND(Float, float, float, "F", fromBits<float>(0x80000000u), fromBits<float>(0x7fc12345u),
               fromBits<float>(1u), fromBits<float>(0x7f800000u))
PRIMITIVE_KIND(Double, double, double, "D", fromBits<double>(0x8000000000000000ull),
               fromBits<double>(0x7ff8000012345678ull), fromBits<double>(1ull), fromBits<double>(0xfff0000000000000ull))

using Kinds = testing::Types<BooleanKind, ByteKind, CharKind, ShortKind, IntKind, LongKind, FloatKind, DoubleKind>;

}  // namespace primitivekinds

#endif

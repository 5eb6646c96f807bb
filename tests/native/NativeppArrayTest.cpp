#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "java/io/ByteArrayInputStream.h"
#include "java/lang/IntJArray.h"
#include "java/lang/ObjectJArray.h"
#include "java/lang/String.h"
#include "nativepp/NativeppArray.h"
#include "nativepp/NativeppJVM.h"
#include "tests/native/JNICallCounter.h"
#include "tests/native/MembersTestSupport.h"
#include "tests/native/PrimitiveKinds.h"

using java::lang::IntJArray;
using java::lang::Object;
using java::lang::ObjectJArray;
using java::lang::String;
using nativepp::NativeppArray;
using nativepp::NativeppJObjectLocal;
using primitivekinds::Kinds;

namespace {

// Raised by the binding layer itself, each thrown as the RuntimeException proxy.
const char* const kNullRaised = "java/lang/NullPointerException";
const char* const kIndexRaised = "java/lang/ArrayIndexOutOfBoundsException";

class NativeppArrays : public NativeppTest {
protected:
    NativeppJObjectLocal intArray(const std::vector<int>& values) {
        NativeppJObjectLocal array(env->NewIntArray(static_cast<jsize>(values.size())), env);
        env->SetIntArrayRegion(static_cast<jintArray>(array.getJObject()), 0, static_cast<jsize>(values.size()),
                               values.data());
        return array;
    }
    int javaElement(IntJArray& proxy, int i) {
        int value = 0;
        env->GetIntArrayRegion(static_cast<jintArray>(proxy.nativeppGetJObjectGlobal(env).getJObject()), i, 1, &value);
        return value;
    }
};

template <typename Kind>
class NativeppArrayKinds : public NativeppTest {
protected:
    // The type check of an untyped proxy keeps the class of each kind's arrays.
    void SetUp() override {
        NativeppTest::SetUp();
        checkGlobalBalance = false;
    }
};

TYPED_TEST_SUITE(NativeppArrayKinds, Kinds);

}  // namespace

TYPED_TEST(NativeppArrayKinds, RegionsCopyEveryValueBothWays) {
    using Kind = TypeParam;
    using Native = typename Kind::Native;
    const std::vector<Native> samples = Kind::samples();
    const int n = static_cast<int>(samples.size());
    Object array(Kind::newArray(n + 1, this->env));
    Kind::setRegion(&array, 1, n, samples.data(), this->env);
    std::vector<Native> back(n + 1);
    EXPECT_EQ(back.data(), Kind::getRegion(&array, 0, n + 1, back.data(), this->env));
    EXPECT_EQ(bitsOf(Native{}), bitsOf(back[0]));
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(bitsOf(samples[i]), bitsOf(back[i + 1])) << i;
    }
    EXPECT_EQ("java/lang/ArrayIndexOutOfBoundsException",
              thrownJavaClassOf(this->env, [&] { Kind::getRegion(&array, n, 2, back.data(), this->env); }));
    EXPECT_EQ(kNullRaised, thrownJavaClassOf(this->env, [&] { Kind::setRegion(nullptr, 0, 1, back.data(), this->env); }));
}

// Only a range outside the array may raise: the region copies skip the exception check for
// the others, so every edge of that test shows here, reads and writes alike.
TEST_F(NativeppArrays, RegionRangesRaiseExactlyWhenOutsideTheArray) {
    const struct {
        int start, count;
        bool outside;
    } rows[] = {{0, 4, false}, {4, 0, false}, {3, 1, false}, {-1, 1, true}, {0, -1, true},
                {4, 1, true},  {3, 2, true},  {1, INT_MAX, true}, {INT_MAX, 1, true}};
    const int four[4] = {1, 2, 3, 4};
    IntJArray array(4, four);
    int buffer[4] = {};
    for (const auto& row : rows) {
        const std::string expected = row.outside ? "java/lang/ArrayIndexOutOfBoundsException" : "<no exception>";
        EXPECT_EQ(expected, thrownJavaClassOf(env, [&] { NativeppArray::getIntArray(&array, row.start, row.count, buffer, env); }))
            << row.start << ", " << row.count;
        EXPECT_EQ(expected, thrownJavaClassOf(env, [&] { NativeppArray::setIntArray(&array, row.start, row.count, four, env); }))
            << row.start << ", " << row.count;
    }
}

// A byte[] (a boolean[] for byte regions), an object array and a plain object, each followed
// on the heap by an int[] that a region copy of the wrong element size would overwrite.
TYPED_TEST(NativeppArrayKinds, ARegionOfAnotherTypeIsRefusedAndTouchesNothing) {
    using Kind = TypeParam;
    using Native = typename Kind::Native;
    JNIEnv* env = this->env;
    const bool byteKind = std::is_same<Kind, primitivekinds::ByteKind>::value;
    const std::function<NativeppJObjectLocal()> makers[] = {
        [&] { return byteKind ? NativeppArray::newBooleanArray(4, env) : NativeppArray::newByteArray(4, env); },
        [&] { return NativeppArray::newObjectArray(4, &ObjectJArray::nativeppClass, env); },
        [&] { return newInteger(env, 7); }};
    for (int row = 0; row < 3; ++row) {
        Object wrong(makers[row]());
        const int pattern[4] = {1, 2, 3, 4};
        IntJArray neighbour(4, pattern);
        std::vector<Native> buffer(Kind::samples());
        buffer.resize(4);
        const std::vector<Native> before = buffer;
        EXPECT_EQ("java/lang/ArrayStoreException", thrownJavaClassOf(env, [&] { Kind::getRegion(&wrong, 0, 4, buffer.data(), env); }));
        EXPECT_EQ("java/lang/ArrayStoreException", thrownJavaClassOf(env, [&] { Kind::setRegion(&wrong, 0, 4, buffer.data(), env); }));
        EXPECT_EQ(0, std::memcmp(before.data(), buffer.data(), sizeof(Native) * 4)) << row;
        int after[4] = {};
        EXPECT_EQ(4, neighbour.length.get()) << row;
        neighbour.get(after);
        EXPECT_TRUE(std::equal(after, after + 4, pattern)) << row;
        if (row < 2) {
            EXPECT_EQ(4, env->GetArrayLength(static_cast<jarray>(wrong.nativeppGetJObjectGlobal(env).getJObject())));
        }
    }
}

TEST_F(NativeppArrays, ATypedProxyCopiesWithoutATypeCheck) {
    IntJArray array(intArray({7, 8, 9}));
    int buffer[3];
    JNICallCounter counter;
    array.get(buffer);
    array[1] = 5;
    EXPECT_EQ(0, counter.calls("IsInstanceOf"));
}

TEST_F(NativeppArrays, ARegionCopyFromIndexOneFillsTheBuffer) {
    IntJArray array(intArray({7, 8, 9}));
    int buffer[2] = {};
    EXPECT_EQ(buffer, array.get(1, 2, buffer));
    EXPECT_EQ(8, buffer[0]);
    EXPECT_EQ(9, buffer[1]);
    int whole[3] = {};
    array.get(whole);
    EXPECT_EQ(9, whole[2]);
    int data[] = {4, 5, 6, 7};
    IntJArray made(4, data);
    EXPECT_EQ(4, made.length.get());
    EXPECT_EQ(7, javaElement(made, 3));
}

TEST_F(NativeppArrays, AnEmptyProxyHasNoElementsAndNoLength) {
    IntJArray empty;
    int buffer[1];
    for (int i : {0, 1}) {
        EXPECT_EQ(kIndexRaised, thrownJavaClassOf(env, [&] { empty[i]; }));
    }
    EXPECT_EQ(kNullRaised, thrownJavaClassOf(env, [&] { empty.length.get(); }));
    EXPECT_EQ(kNullRaised, thrownJavaClassOf(env, [&] { empty.get(0, 1, buffer); }));
}

TEST_F(NativeppArrays, ElementsExistForEveryIndexOfTheCurrentArrayAndNoOther) {
    IntJArray array(3);
    EXPECT_EQ(3, array.length.get());
    for (int i : {-1, 3}) {
        EXPECT_EQ(kIndexRaised, thrownJavaClassOf(env, [&] { array[i]; })) << i;
    }
    array[2] = 9;
    EXPECT_EQ(9, javaElement(array, 2));
    int value = 5;
    env->SetIntArrayRegion(static_cast<jintArray>(array.nativeppGetJObjectGlobal(env).getJObject()), 0, 1, &value);
    EXPECT_EQ(5, array[0].get());
    IntJArray none(0);
    EXPECT_EQ(0, none.length.get());
    EXPECT_EQ(kIndexRaised, thrownJavaClassOf(env, [&] { none[0]; }));
}

TEST_F(NativeppArrays, RepointingRebuildsTheElementsAndTheSameArrayKeepsThem) {
    NativeppJObjectLocal first = intArray({1, 2, 3});
    IntJArray array(first);
    nativepp::NativeppInt* element = &array[0];
    {
        // While the proxy keeps its holder, an element costs no comparison.
        JNICallCounter counter;
        EXPECT_EQ(1, array[0].get());
        EXPECT_EQ(0, counter.calls("IsSameObject"));
    }
    IntJArray sameArray(first);
    for (int byHolderOfAnotherProxy = 0; byHolderOfAnotherProxy < 2; ++byHolderOfAnotherProxy) {
        if (byHolderOfAnotherProxy) {
            array = sameArray;
        } else {
            array.nativeppAssign(NativeppJObjectLocal(first.getJObject(), 0, env));
        }
        // Rebuilding would take a reference to the array and ask its length.
        JNICallCounter counter;
        EXPECT_EQ(1, array[0].get());
        EXPECT_EQ(element, &array[0]);
        EXPECT_EQ(0, counter.calls("NewGlobalRef"));
    }
    array.nativeppAssign(intArray({4, 5, 6, 7, 8}));
    EXPECT_EQ(8, array[4].get());
}

// The handle values of released global references come back for new ones: a proxy that
// meets another array under a handle it has seen before must still rebuild.
TEST_F(NativeppArrays, AnotherArrayUnderAReusedHandleIsRebuilt) {
    for (int round = 0; round < 20; ++round) {
        IntJArray array(intArray({1, 2, 3}));
        array[2];
        array.nativeppAssign(intArray({4}));
        array.nativeppAssign(intArray({5}));
        EXPECT_EQ(5, array[0].get()) << round;
        EXPECT_EQ(kIndexRaised, thrownJavaClassOf(env, [&] { array[2]; })) << round;
    }
}

// Elements handed out before another thread's access found a new array stay usable.
TEST_F(NativeppArrays, ElementsOfAFieldArrayReadWhileAnotherThreadReplacesIt) {
    jclass streamClass = env->FindClass("java/io/ByteArrayInputStream");
    jmethodID init = env->GetMethodID(streamClass, "<init>", "([B)V");
    NativeppJObjectLocal bytes = NativeppArray::newByteArray(1, env);
    java::io::ByteArrayInputStream in(NativeppJObjectLocal(env->NewObject(streamClass, init, bytes.getJObject()), env));
    env->DeleteLocalRef(streamClass);
    jfieldID buf = javaFieldID(env, "java/io/ByteArrayInputStream", "buf", "[B", false);
    const jobject stream = in.nativeppGetJObjectGlobal(env).getJObject();
    std::atomic<int> reading{2};
    std::atomic<int> failedReads{0};
    runTogether(3, [&](int i) {
        JNIEnv* threadEnv = nativepp::NativeppJVM::getJNIEnv();
        for (int round = 0; i == 0 && reading > 0; ++round) {
            NativeppJObjectLocal next = NativeppArray::newByteArray(1 + round % 7, threadEnv);
            threadEnv->SetObjectField(stream, buf, next.getJObject());
        }
        for (int round = 0; i > 0 && round < 3000; ++round) {
            try {
                failedReads += in.buf[0] == 0 ? 0 : 1;
            } catch (...) {
                ++failedReads;
            }
        }
        reading -= i > 0 ? 1 : 0;
    });
    EXPECT_EQ(0, failedReads.load());
}

// The element store does not keep the array it was made for: re-pointing the proxy lets the
// collector take it.
TEST_F(NativeppArrays, RepointingReleasesTheArrayTheElementsWereMadeFor) {
    jclass system = env->FindClass("java/lang/System");
    jmethodID gc = env->GetStaticMethodID(system, "gc", "()V");
    for (bool toNull : {false, true}) {
        IntJArray array(NativeppArray::newIntArray(100000, env));
        jweak old = env->NewWeakGlobalRef(array.nativeppGetJObjectGlobal(env).getJObject());
        EXPECT_EQ(0, array[99999].get());
        array.nativeppAssign(toNull ? NativeppJObjectLocal() : NativeppArray::newIntArray(1, env));
        bool collected = false;
        for (int round = 0; round < 50 && !collected; ++round) {
            env->CallStaticVoidMethod(system, gc);
            ASSERT_FALSE(env->ExceptionCheck());
            collected = env->IsSameObject(old, nullptr);
        }
        EXPECT_TRUE(collected) << toNull;
        env->DeleteWeakGlobalRef(old);
    }
    env->DeleteLocalRef(system);
}

TEST_F(NativeppArrays, ObjectElementsReadAndStoreTheJavaArray) {
    ObjectJArray array(2);
    EXPECT_TRUE(array[0].nativeppGetJObjectGlobal(env).isNull());
    String text("x");
    array[1] = text;
    NativeppJObjectLocal stored(
        env->GetObjectArrayElement(static_cast<jobjectArray>(array.nativeppGetJObjectGlobal(env).getJObject()), 1), env);
    EXPECT_TRUE(env->IsSameObject(stored.getJObject(), text.nativeppGetJObjectGlobal(env).getJObject()));
    env->SetObjectArrayElement(static_cast<jobjectArray>(array.nativeppGetJObjectGlobal(env).getJObject()), 0,
                               stored.getJObject());
    EXPECT_TRUE(array[0] == text);
}

TEST_F(NativeppArrays, AStoreOfTheWrongTypeRaisesTheVirtualMachinesArrayStoreException) {
    jclass stringClass = env->FindClass("java/lang/String");
    ObjectJArray strings(NativeppJObjectLocal(env->NewObjectArray(1, stringClass, nullptr), env));
    env->DeleteLocalRef(stringClass);
    Object integer(newInteger(env, 7));
    EXPECT_EQ("java/lang/ArrayStoreException", thrownJavaClassOf(env, [&] { strings[0] = integer; }));
    EXPECT_TRUE(strings[0].nativeppGetJObjectGlobal(env).isNull());
}

TEST_F(NativeppArrays, ANewObjectArrayNeedsAnArrayDescriptor) {
    EXPECT_EQ("INTERNAL ERROR: class is not an array:java/lang/String",
              nativeppMessageOf([&] { NativeppArray::newObjectArray(2, &String::nativeppClass, env); }));
    ObjectJArray made(NativeppArray::newObjectArray(2, &ObjectJArray::nativeppClass, env));
    EXPECT_EQ(2, made.length.get());
    EXPECT_EQ("[Ljava/lang/Object;", classNameOf(env, made.nativeppGetJObjectGlobal(env).getJObject()));
}

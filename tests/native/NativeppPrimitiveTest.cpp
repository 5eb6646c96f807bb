#include <gtest/gtest.h>

#include "nativepp/NativeppFieldNamedInstance.h"
#include "nativepp/NativeppFieldNamedStatic.h"
#include "tests/native/FieldHolder.h"
#include "tests/native/JNICallCounter.h"
#include "tests/native/MembersTestSupport.h"
#include "tests/native/PrimitiveKinds.h"

using com::drovantel::tarvelo::members::FieldHolder;
using nativepp::NativeppFieldNamedInstance;
using nativepp::NativeppFieldNamedStatic;
using nativepp::NativeppInt;
using nativepp::NativeppTObjectClass;
using primitivekinds::Kinds;

namespace {

const char* const kHolder = "com/drovantel/tarvelo/members/FieldHolder";

template <typename Kind>
class NativeppPrimitives : public NativeppTest {
protected:
    using Native = typename Kind::Native;

    // Java writes each sample and native code reads it; native code writes it and Java reads it.
    template <typename Read, typename Write>
    void expectEverySampleBothWays(typename Kind::Value& value, Read javaRead, Write javaWrite) {
        for (Native sample : Kind::samples()) {
            javaWrite(sample);
            EXPECT_EQ(bitsOf(sample), bitsOf(value.get()));
            javaWrite(Native{});
            EXPECT_EQ(bitsOf(Native{}), bitsOf(static_cast<Native>(value)));
            EXPECT_EQ(bitsOf(sample), bitsOf(value = sample));
            EXPECT_EQ(bitsOf(sample), bitsOf(javaRead()));
        }
    }
};

TYPED_TEST_SUITE(NativeppPrimitives, Kinds);

}  // namespace

TYPED_TEST(NativeppPrimitives, AnInstanceFieldIsReadAndWrittenInJavaOnEveryAccess) {
    using Kind = TypeParam;
    using Native = typename Kind::Native;
    JNIEnv* env = this->env;
    FieldHolder holder(_nativeppNewInstanceParamDiscriminator);
    const nativepp::NativeppSharedJObjectGlobal share = holder.nativeppGetJObjectGlobal(env);
    jobject obj = share.getJObject();
    jfieldID id = javaFieldID(env, kHolder, Kind::field, Kind::signature, false);
    this->expectEverySampleBothWays(
        Kind::member(holder), [&] { return Kind::javaGet(env, obj, id); },
        [&](Native v) { Kind::javaSet(env, obj, id, v); });
}

TYPED_TEST(NativeppPrimitives, AStaticFieldIsReadAndWrittenInJavaOnEveryAccess) {
    using Kind = TypeParam;
    using Native = typename Kind::Native;
    JNIEnv* env = this->env;
    nativepp::NativeppJObjectLocal cls = javaClass(env, kHolder);
    jfieldID id = javaFieldID(env, kHolder, Kind::staticField, Kind::signature, true);
    this->expectEverySampleBothWays(
        Kind::staticMember(), [&] { return Kind::javaGetStatic(env, cls.getJObject(), id); },
        [&](Native v) { Kind::javaSetStatic(env, cls.getJObject(), id, v); });
}

TYPED_TEST(NativeppPrimitives, TheDescriptorNamesTheTypeAndIsNotRegistered) {
    using Kind = TypeParam;
    typename Kind::Value value;
    EXPECT_EQ(&Kind::Value::nativeppClass, value.getClass());
    EXPECT_STREQ(Kind::javaName, value.getClass()->getClassName());
    EXPECT_STREQ(Kind::signature, value.getClass()->getSignature());
    EXPECT_EQ(nullptr, nativepp::NativeppObjectClass::findClass(Kind::javaName));
}

namespace {

class NativeppPrimitiveValues : public NativeppTest {};

}  // namespace

TEST_F(NativeppPrimitiveValues, AnUnboundValueRaisesAndASecondBindingIsRefused) {
    NativeppInt unbound;
    EXPECT_EQ("INTERNAL ERROR, primitive value is not bound", nativeppMessageOf([&] { unbound.get(); }));
    EXPECT_EQ("INTERNAL ERROR, primitive value is not bound", nativeppMessageOf([&] { unbound = 1; }));

    FieldHolder holder(_nativeppNewInstanceParamDiscriminator);
    holder.intField = 7;
    *FieldHolder::staticInt = 8;
    const char* refused = "INTERNAL ERROR, unexpected pointer not null";
    EXPECT_EQ(refused, nativeppMessageOf([&] {
                  holder.intField.nativeppInitFieldNamedStatic(14, "staticInt", &FieldHolder::nativeppClass);
              }));
    EXPECT_EQ(7, holder.intField.get());
    EXPECT_EQ(refused, nativeppMessageOf([&] {
                  holder.intField.nativeppInitFieldNamed(3, "shortField", &FieldHolder::nativeppClass, &holder);
              }));
    EXPECT_EQ(7, holder.intField.get());
}

TEST_F(NativeppPrimitiveValues, AFieldOfAnEmptyProxyRaisesTheMappedNullPointerException) {
    FieldHolder empty;
    EXPECT_EQ("java/lang/NullPointerException", thrownJavaClassOf(env, [&] { empty.intField.get(); }));
    EXPECT_EQ("java/lang/NullPointerException", thrownJavaClassOf(env, [&] { empty.doubleField = 1.5; }));
    EXPECT_EQ("java/lang/NullPointerException", thrownJavaClassOf(env, [&] {
                  NativeppFieldNamedInstance::getIntField(4, "intField", &FieldHolder::nativeppClass, nullptr, env);
              }));
}

TEST_F(NativeppPrimitiveValues, AMissingFieldRaisesWithNothingPendingAndIsRetried) {
    // Same name as the registered descriptor, so that this one stays out of the registry.
    NativeppTObjectClass<FieldHolder> fresh(kHolder, "Lcom/drovantel/tarvelo/members/FieldHolder;", 2, 0, 0);
    FieldHolder holder(_nativeppNewInstanceParamDiscriminator);
    NativeppInt missing;
    missing.nativeppInitFieldNamed(0, "x", &fresh, &holder);
    NativeppInt missingStatic(1, "y", &fresh);
    JNICallCounter counter;
    for (int attempt = 1; attempt <= 2; ++attempt) {
        EXPECT_EQ("Field not found, name: x, signature:I", nativeppMessageOf([&] { missing.get(); }));
        EXPECT_EQ("Field not found, name: y, signature:I", nativeppMessageOf([&] { missingStatic = 3; }));
        EXPECT_FALSE(env->ExceptionCheck());
        EXPECT_EQ(attempt, counter.calls("GetFieldID"));
        EXPECT_EQ(attempt, counter.calls("GetStaticFieldID"));
    }
    EXPECT_EQ(nullptr, fresh.getFieldID(0));
}

TEST_F(NativeppPrimitiveValues, AFieldIDIsLookedUpOncePerClassAndIndexWhicheverProxyAsks) {
    NativeppTObjectClass<FieldHolder> fresh(kHolder, "Lcom/drovantel/tarvelo/members/FieldHolder;", 2, 0, 0);
    FieldHolder first(_nativeppNewInstanceParamDiscriminator);
    FieldHolder second(_nativeppNewInstanceParamDiscriminator);
    first.intField = 1;
    second.intField = 2;
    JNICallCounter counter;
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(1, NativeppFieldNamedInstance::getIntField(0, "intField", &fresh, &first, env));
        EXPECT_EQ(2, NativeppFieldNamedInstance::getIntField(0, "intField", &fresh, &second, env));
        NativeppFieldNamedStatic::setStaticIntField(1, "staticInt", &fresh, round, env);
        EXPECT_EQ(round, NativeppFieldNamedStatic::getStaticIntField(1, "staticInt", &fresh, env));
    }
    EXPECT_EQ(1, counter.calls("GetFieldID"));
    EXPECT_EQ(1, counter.calls("GetStaticFieldID"));
    EXPECT_NE(fresh.getFieldID(0), fresh.getFieldID(1));
}

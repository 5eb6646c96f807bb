#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "java/io/File.h"
#include "java/lang/Class.h"
#include "java/lang/Exception.h"
#include "java/lang/Integer.h"
#include "java/lang/String.h"
#include "java/math/BigInteger.h"
#include "nativepp/NativeppFieldNamedInstance.h"
#include "nativepp/NativeppFieldNamedStatic.h"
#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppMonitor.h"
#include "nativepp/NativeppObjectField.h"
#include "tests/native/FieldHolder.h"
#include "tests/native/JNICallCounter.h"
#include "tests/native/MembersTestSupport.h"

using com::drovantel::tarvelo::members::FieldHolder;
using java::lang::String;
using nativepp::NativeppFieldNamedInstance;
using nativepp::NativeppFieldNamedStatic;
using nativepp::NativeppJObjectLocal;

namespace {

const char* const kHolder = "com/drovantel/tarvelo/members/FieldHolder";

class NativeppFields : public NativeppTest {
protected:
    void SetUp() override {
        // The static proxy's monitor lives as long as the proxy: made before the count starts.
        FieldHolder::staticText->nativeppGetMonitor()->getJavaMonitor(nativepp::NativeppJVM::getJNIEnv());
        NativeppTest::SetUp();
        holder = std::make_unique<FieldHolder>(_nativeppNewInstanceParamDiscriminator);
        holderObject = holder->nativeppGetJObjectGlobal(env).getJObject();
        textID = javaFieldID(env, kHolder, "text", "Ljava/lang/String;", false);
        nextID = javaFieldID(env, kHolder, "next", "Lcom/drovantel/tarvelo/members/FieldHolder;", false);
    }

    void TearDown() override {
        holder.reset();
        NativeppTest::TearDown();
    }

    // What Java sees in holder.text now.
    NativeppJObjectLocal javaText() { return NativeppJObjectLocal(env->GetObjectField(holderObject, textID), env); }
    void setJavaText(jobject value) { env->SetObjectField(holderObject, textID, value); }
    bool same(jobject a, jobject b) { return env->IsSameObject(a, b); }
    bool refersTo(nativepp::NativeppObject& proxy, jobject obj) {
        return same(proxy.nativeppGetJObjectGlobal(env).getJObject(), obj);
    }

    std::unique_ptr<FieldHolder> holder;
    jobject holderObject = nullptr;
    jfieldID textID = nullptr;
    jfieldID nextID = nullptr;
};

}  // namespace

TEST_F(NativeppFields, AnObjectFieldProxyFollowsEveryJavaSideChange) {
    for (const char* value : {"one", "two"}) {
        NativeppJObjectLocal text(env->NewStringUTF(value), env);
        setJavaText(text.getJObject());
        EXPECT_EQ(value, static_cast<std::string>(holder->text));
        EXPECT_TRUE(refersTo(holder->text, text.getJObject()));
    }
    setJavaText(nullptr);
    EXPECT_TRUE(holder->text.nativeppGetJObjectGlobal(env).isNull());
}

TEST_F(NativeppFields, AssigningAFieldProxyStoresTheJavaField) {
    String text("stored");
    holder->text = text;
    EXPECT_TRUE(refersTo(text, javaText().getJObject()));
    *FieldHolder::staticText = text;
    NativeppJObjectLocal cls = javaClass(env, kHolder);
    jfieldID staticID = javaFieldID(env, kHolder, "staticText", "Ljava/lang/String;", true);
    NativeppJObjectLocal stored(env->GetStaticObjectField(static_cast<jclass>(cls.getJObject()), staticID), env);
    EXPECT_TRUE(refersTo(text, stored.getJObject()));
    holder->text = static_cast<String*>(nullptr);
    EXPECT_TRUE(javaText().isNull());
    *FieldHolder::staticText = static_cast<String*>(nullptr);
}

// JNI stores into a field whatever it is given; the binding layer checks the type first.
TEST_F(NativeppFields, StoringAnObjectOfTheWrongClassRaisesAndLeavesTheFieldUnchanged) {
    NativeppJObjectLocal kept(env->NewStringUTF("kept"), env);
    setJavaText(kept.getJObject());
    *FieldHolder::staticText = String("kept");
    NativeppJObjectLocal integer = newInteger(env, 7);
    const std::string mapped = "java/lang/ClassCastException";
    EXPECT_EQ(mapped, thrownJavaClassOf(env, [&] { holder->text.nativeppAssign(integer); }));
    EXPECT_EQ(mapped, thrownJavaClassOf(env, [&] {
                  NativeppFieldNamedInstance::setObjectField(8, "text", &String::nativeppClass,
                                                             &FieldHolder::nativeppClass, holder.get(), integer, env);
              }));
    EXPECT_EQ(mapped, thrownJavaClassOf(env, [&] { FieldHolder::staticText->nativeppAssign(integer); }));
    EXPECT_EQ(mapped, thrownJavaClassOf(env, [&] {
                  NativeppFieldNamedStatic::setStaticObjectField(18, "staticText", &String::nativeppClass,
                                                                 &FieldHolder::nativeppClass, integer, env);
              }));
    EXPECT_TRUE(same(kept.getJObject(), javaText().getJObject()));
    EXPECT_EQ("kept", static_cast<std::string>(*FieldHolder::staticText));
    *FieldHolder::staticText = static_cast<String*>(nullptr);
}

// JNI writes final fields too, for the whole virtual machine; the binding layer refuses.
TEST_F(NativeppFields, AFinalFieldIsRefusedWithTheMappedIllegalAccessExceptionAndKeepsItsValue) {
    checkGlobalBalance = false;  // the static proxies keep the references they read
    struct StoreCase {
        const char* field;
        std::function<std::string()> read;
        std::function<void()> write;
        bool isFinal;
    };
    const std::vector<StoreCase> cases = {
        {"java.math.BigInteger.ONE", [] { return static_cast<std::string>(java::math::BigInteger::ONE->toString()); },
         [] { *java::math::BigInteger::ONE = java::math::BigInteger(String("2")); }, true},
        {"java.io.File.separator", [] { return static_cast<std::string>(*java::io::File::separator); },
         [] { *java::io::File::separator = String("|"); }, true},
        {"java.lang.Integer.MAX_VALUE", [] { return std::to_string(java::lang::Integer::MAX_VALUE->get()); },
         [] { *java::lang::Integer::MAX_VALUE = 5; }, true},
        {"com.drovantel.tarvelo.members.FieldHolder.finalInt", [&] { return std::to_string(holder->finalInt.get()); },
         [&] { holder->finalInt = 8; }, true},
        {"com.drovantel.tarvelo.members.FieldHolder.finalText",
         [&] { return static_cast<std::string>(holder->finalText); }, [&] { holder->finalText = String("moved"); }, true},
        {"com.drovantel.tarvelo.members.FieldHolder.intField", [&] { return std::to_string(holder->intField.get()); },
         [&] { holder->intField = holder->intField + 1; }, false},
    };
    for (int round = 0; round < 2; ++round) {  // the second finds the field's modifiers known
        for (const StoreCase& c : cases) {
            const std::string before = c.read();
            try {
                c.write();
                EXPECT_FALSE(c.isFinal) << c.field << ": written";
            } catch (java::lang::Exception& refused) {
                EXPECT_TRUE(c.isFinal) << c.field;
                EXPECT_EQ("java.lang.IllegalAccessException", static_cast<std::string>(refused.getClass().getName()));
                EXPECT_EQ(std::string("cannot write the final field ") + c.field,
                          static_cast<std::string>(refused.getMessage()));
            }
            EXPECT_EQ(c.isFinal, before == c.read()) << c.field;
        }
    }
}

TEST_F(NativeppFields, AFieldOfAnEmptyOwnerRaisesTheMappedNullPointerException) {
    FieldHolder empty;
    EXPECT_EQ("java/lang/NullPointerException", thrownJavaClassOf(env, [&] { empty.text.nativeppGetJObjectGlobal(env); }));
    EXPECT_EQ("java/lang/NullPointerException", thrownJavaClassOf(env, [&] { empty.text = String("x"); }));
}

TEST_F(NativeppFields, ClassDollarIsTheClassOfItsDescriptorAndCannotBeAssigned) {
    // The statics' own class$ would keep its cached reference: one made here does the same.
    java::lang::Class holderClass$(&FieldHolder::nativeppClass);
    NativeppJObjectLocal holderClass = javaClass(env, kHolder);
    EXPECT_TRUE(refersTo(holderClass$, holderClass.getJObject()));
    java::lang::Class stringClass(&String::nativeppClass);
    NativeppJObjectLocal javaStringClass = javaClass(env, "java/lang/String");
    EXPECT_TRUE(refersTo(stringClass, javaStringClass.getJObject()));
    const char* refused = "Especial static field class$ is not modifiable";
    EXPECT_EQ(refused, nativeppMessageOf([&] { holderClass$ = stringClass; }));
    jclass other = env->FindClass("java/lang/Integer");
    EXPECT_EQ(refused, nativeppMessageOf([&] { holderClass$ = other; }));
    EXPECT_TRUE(refersTo(holderClass$, holderClass.getJObject()));
}

TEST_F(NativeppFields, AnOwnClassFieldIsMadeOnFirstUseAndFollowsTheJavaField) {
    EXPECT_EQ(nullptr, holder->next.getField());
    holder->next.initInternalField();  // nothing to bind before the first use
    EXPECT_EQ(nullptr, holder->next.getField());
    EXPECT_TRUE(holder->next->nativeppGetJObjectGlobal(env).isNull());
    FieldHolder second(_nativeppNewInstanceParamDiscriminator);
    second.intField = 42;
    env->SetObjectField(holderObject, nextID, second.nativeppGetJObjectGlobal(env).getJObject());
    EXPECT_EQ(42, holder->next->intField.get());
    holder->next->intField = 43;
    EXPECT_EQ(43, second.intField.get());
    // Assigning through the member stores the Java field.
    holder->next.get() = static_cast<FieldHolder*>(nullptr);
    EXPECT_EQ(nullptr, NativeppJObjectLocal(env->GetObjectField(holderObject, nextID), env).getJObject());
    EXPECT_EQ(&holder->next.get(), holder->next.getField());
}

TEST_F(NativeppFields, ThreadsRacingOnTheFirstUseOfAnObjectFieldShareOneProxy) {
    for (int round = 0; round < 20; ++round) {
        FieldHolder fresh(_nativeppNewInstanceParamDiscriminator);
        FieldHolder* seen[4] = {};
        runTogether(4, [&](int i) { seen[i] = &fresh.next.get(); });
        EXPECT_EQ(1u, std::set<FieldHolder*>(seen, seen + 4).size());
        EXPECT_EQ(fresh.next.getField(), seen[0]);
    }
}

TEST_F(NativeppFields, AnObjectFieldMemberIsOnlyAnInstanceField) {
    nativepp::NativeppTObjectField<FieldHolder> member;
    const char* refused = "INTERNAL ERROR, no sense method in this context";
    EXPECT_EQ(refused, nativeppMessageOf([&] { member.nativeppInitFieldNamedStatic(9, "next", &FieldHolder::nativeppClass); }));
    EXPECT_EQ(refused, nativeppMessageOf([&] { member.nativeppInitArrayElement(0, holder.get()); }));
}

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "java/lang/Integer.h"
#include "java/lang/RuntimeException.h"
#include "java/lang/String.h"
#include "nativepp/NativeppObjectClass.h"
#include "tests/native/NativeppTestSupport.h"
#include "tests/native/ProxyMemberTable.h"

using nativepp::NativeppJObjectLocal;
using proxytable::MemberKind;
using proxytable::ProxyMemberRow;

namespace {

class Proxies : public NativeppTest {
protected:
    // Whether the running JVM has the member, looked up as the proxies look it up.
    bool resolves(jclass cls, const ProxyMemberRow& member) {
        bool found;
        if (member.kind == MemberKind::field) {
            found = member.isStatic ? env->GetStaticFieldID(cls, member.name, member.descriptor) != nullptr
                                    : env->GetFieldID(cls, member.name, member.descriptor) != nullptr;
        } else {
            found = member.isStatic ? env->GetStaticMethodID(cls, member.name, member.descriptor) != nullptr
                                    : env->GetMethodID(cls, member.name, member.descriptor) != nullptr;
        }
        // A failed lookup leaves NoSuchFieldError or NoSuchMethodError pending.
        env->ExceptionClear();
        return found;
    }
};

// The descriptors that the test program adds to the registry.
const std::set<std::string> kTestProgramClasses = {
    "[Lcom/drovantel/Unknown;", "[Ljava/lang/Throwable;", "com/drovantel/tarvelo/members/Echo",
    "com/drovantel/tarvelo/members/FieldHolder", "com/drovantel/tarvelo/members/InitRace$ByMethod",
    "com/drovantel/tarvelo/members/InitRace$ByStaticFieldRead",
    "com/drovantel/tarvelo/members/InitRace$ByStaticFieldStore", "java/util/AbstractList",
    "java/util/ConcurrentModificationException"};

// An instance proxy that reports its own destruction.
class TrackedObject : public java::lang::Object {
public:
    TrackedObject(const NativeppJObjectLocal& obj, bool* destroyed)
        : java::lang::Object(obj, _nativeppNewInstanceParamDiscriminator), destroyed(destroyed) {}
    ~TrackedObject() override { *destroyed = true; }

private:
    bool* destroyed;
};

}  // namespace

TEST_F(Proxies, EveryMemberResolvesInTheRunningJVMExceptTheAbsentOne) {
    std::map<std::string, int> membersPerClass;
    int absent = 0;
    for (const ProxyMemberRow& member : proxytable::proxyMembers) {
        ++membersPerClass[member.className];
        absent += member.absent ? 1 : 0;
        jclass cls = env->FindClass(member.className);
        ASSERT_NE(nullptr, cls) << member.className;
        EXPECT_EQ(!member.absent, resolves(cls, member))
            << member.className << " " << member.name << " " << member.descriptor << (member.isStatic ? " static" : "");
        env->DeleteLocalRef(cls);
    }
    EXPECT_EQ(1, absent);
    int classes = 0;
    for (const proxytable::ProxyClassRow& cls : proxytable::proxyClasses) {
        ++classes;
        EXPECT_EQ(cls.fields + cls.constructors + cls.methods, membersPerClass[cls.className]) << cls.className;
    }
    EXPECT_EQ(52, classes);
}

TEST_F(Proxies, TheRegistryHoldsEveryProxyWithItsCounts) {
    std::map<std::string, nativepp::NativeppObjectClass*> others = *nativepp::nativeppGetMapClasses();
    for (const proxytable::ProxyClassRow& row : proxytable::proxyClasses) {
        auto found = others.find(row.className);
        ASSERT_NE(others.end(), found) << row.className;
        EXPECT_EQ(row.fields, found->second->getNumFields()) << row.className;
        EXPECT_EQ(row.constructors, found->second->getNumConstructors()) << row.className;
        EXPECT_EQ(row.methods, found->second->getNumMethods()) << row.className;
        others.erase(found);
    }
    // Beyond the platform's, only the descriptors this test program declares itself.
    for (const auto& entry : others) {
        // or of the many that the registry race test registers
        EXPECT_TRUE(kTestProgramClasses.count(entry.first) == 1 ||
                    entry.first.rfind("com/drovantel/tarvelo/registered/", 0) == 0)
            << entry.first;
    }
}

// An unchecked cast would later hand JNI a method ID of one class with an object of another.
TEST_F(Proxies, CastRefusesAnObjectOfAnotherClassAndMakesNullEmpty) {
    java::lang::String text("abc");
    java::lang::Object asObject = java::lang::Object::cast$(&text);
    EXPECT_EQ("abc", static_cast<std::string>(java::lang::String::cast$(asObject)));
    std::string refused = "<no exception>";
    try {
        java::lang::Integer::cast$(asObject);
    } catch (java::lang::RuntimeException& e) {
        refused = classNameOf(env, e.nativeppGetJObjectGlobal(env).getJObject());
    }
    // ClassCastException has no proxy: it arrives as the RuntimeException proxy.
    EXPECT_EQ("java/lang/ClassCastException", refused);
    java::lang::Integer none = java::lang::Integer::cast$(static_cast<java::lang::Object*>(nullptr));
    EXPECT_TRUE(none.nativeppGetJObjectGlobal(env).isNull());
}

// A by-pointer argument is lent to the call: an instance proxy, which may live on the
// caller's stack, is not consumed.
TEST_F(Proxies, AByPointerArgumentIsLentAndNullReachesJavaAsNull) {
    bool destroyed = false;
    auto* lent = new TrackedObject(NativeppJObjectLocal(env->NewStringUTF("lent"), env), &destroyed);
    EXPECT_EQ("lent", static_cast<std::string>(java::lang::String::valueOf(lent)));
    EXPECT_FALSE(destroyed);
    if (!destroyed) {
        delete lent;
    }
    EXPECT_EQ("null", static_cast<std::string>(java::lang::String::valueOf(static_cast<java::lang::Object*>(nullptr))));
}

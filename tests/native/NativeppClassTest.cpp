#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "java/lang/Class.h"
#include "java/lang/Object.h"
#include "java/lang/RuntimeException.h"
#include "java/lang/String.h"
#include "java/lang/Throwable.h"
#include "nativepp/NativeppArray.h"
#include "nativepp/NativeppClass.h"
#include "nativepp/NativeppConstructor.h"
#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppObjectClass.h"
#include "nativepp/NativeppTObjectClass.h"
#include "tests/native/JNICallCounter.h"
#include "tests/native/MembersTestSupport.h"
#include "tests/native/NativeppTestSupport.h"

using nativepp::NativeppClass;
using nativepp::NativeppConstructor;
using nativepp::NativeppJClassGlobal;
using nativepp::NativeppJClassLocal;
using nativepp::NativeppJObjectLocal;
using nativepp::NativeppJVM;
using nativepp::NativeppObject;
using nativepp::NativeppObjectClass;
using nativepp::NativeppTObjectClass;

namespace {

// Registered only here: an abstract superclass of java.util.ArrayList, and an array class.
NativeppTObjectClass<java::lang::Object> abstractListClass("java/util/AbstractList", "Ljava/util/AbstractList;", 0,
                                                           0, 0);
NativeppTObjectClass<java::lang::Object> throwableArrayClass("[Ljava/lang/Throwable;", "[Ljava/lang/Throwable;", 0,
                                                             0, 0, "java/lang/Throwable");

// An array of a class that has no descriptor.
NativeppTObjectClass<java::lang::Object> orphanArrayClass("[Lcom/drovantel/Unknown;", "[Lcom/drovantel/Unknown;", 0,
                                                          0, 0, "com/drovantel/Unknown");

// Descriptors are registered for the life of the process: a test's own descriptor that is
// not static must reuse a registered name, so that the registry never keeps a dead one.
class NativeppClasses : public NativeppTest {};

NativeppJObjectLocal newArray(JNIEnv* env, const char* kind) {
    if (std::string(kind) == "[I") {
        return NativeppJObjectLocal(env->NewIntArray(1), env);
    }
    jclass string = env->FindClass("java/lang/String");
    jobject array = env->NewObjectArray(1, string, nullptr);
    env->DeleteLocalRef(string);
    return NativeppJObjectLocal(array, env);
}

}  // namespace

TEST_F(NativeppClasses, AnUnknownClassRaisesWithNoJavaExceptionLeftPending) {
    EXPECT_EQ("Class not found:com/drovantel/Missing",
              nativeppMessageOf([&] { NativeppClass::getJavaClass("com/drovantel/Missing", env); }));
    EXPECT_FALSE(env->ExceptionCheck());
    NativeppClass missing("com/drovantel/Missing", "Lcom/drovantel/Missing;");
    EXPECT_EQ("Class not found:com/drovantel/Missing", nativeppMessageOf([&] { missing.getJClass(env); }));
    EXPECT_FALSE(env->ExceptionCheck());
}

TEST_F(NativeppClasses, TheClassReferenceIsLookedUpOnceAndReleasedWithTheDescriptor) {
    NativeppClass descriptor("java/util/ArrayList", "Ljava/util/ArrayList;");
    EXPECT_STREQ("java/util/ArrayList", descriptor.getClassName());
    EXPECT_STREQ("Ljava/util/ArrayList;", descriptor.getSignature());
    JNICallCounter counter;
    NativeppJClassGlobal* first = descriptor.getJClass(env);
    EXPECT_EQ(first, descriptor.getJClass(env));
    EXPECT_EQ(1, counter.calls("FindClass"));
    EXPECT_EQ(globalReferencesBefore + 1, JNICallCounter::liveGlobalReferences());
}

TEST_F(NativeppClasses, ThreadsRacingForTheClassReferenceShareOneAndLeakNone) {
    for (int round = 0; round < 20; ++round) {
        {
            NativeppClass descriptor("java/util/HashMap", "Ljava/util/HashMap;");
            NativeppJClassGlobal* seen[4] = {};
            runTogether(4, [&](int i) { seen[i] = descriptor.getJClass(NativeppJVM::getJNIEnv()); });
            EXPECT_EQ(1u, std::set<NativeppJClassGlobal*>(seen, seen + 4).size());
            EXPECT_EQ(globalReferencesBefore + 1, JNICallCounter::liveGlobalReferences());
        }
        EXPECT_EQ(globalReferencesBefore, JNICallCounter::liveGlobalReferences());
    }
}

TEST_F(NativeppClasses, TheRegistryFindsProxiesByNameAndKeepsTheFirstOfADuplicate) {
    EXPECT_EQ(&java::lang::String::nativeppClass, NativeppObjectClass::findClass("java/lang/String"));
    EXPECT_EQ(nullptr, NativeppObjectClass::findClass("java/util/ArrayList"));
    NativeppTObjectClass<java::lang::Object> duplicate("java/lang/String", "Ljava/lang/String;", 0, 0, 0);
    EXPECT_EQ(&java::lang::String::nativeppClass, NativeppObjectClass::findClass("java/lang/String"));
    EXPECT_EQ(&java::lang::Object::nativeppClass,
              NativeppObjectClass::getClass("java/util/ArrayList", &java::lang::Object::nativeppClass));
    EXPECT_EQ("Class not found: java/util/ArrayList",
              nativeppMessageOf([] { NativeppObjectClass::getClass("java/util/ArrayList", nullptr); }));
}

TEST_F(NativeppClasses, ClassNamesUseSlashesForClassesAndArrays) {
    NativeppJObjectLocal string(env->NewStringUTF("s"), env);
    EXPECT_EQ("java/lang/String", NativeppObjectClass::getClassName(string, env));
    for (const char* kind : {"[I", "[Ljava/lang/String;"}) {
        NativeppJObjectLocal array = newArray(env, kind);
        EXPECT_EQ(kind, NativeppObjectClass::getClassName(array, env));
    }
}

TEST_F(NativeppClasses, ANullObjectGetsNoProxyAndNoJNICall) {
    NativeppJObjectLocal null;
    JNICallCounter counter;
    EXPECT_EQ(nullptr, NativeppObjectClass::newObjectInstance(null, nullptr, env));
    EXPECT_TRUE(counter.counts.empty());
}

TEST_F(NativeppClasses, AnObjectBecomesAnInstanceProxyOfItsExactRegisteredClassOrOfTheDefault) {
    NativeppJObjectLocal string(env->NewStringUTF("s"), env);
    std::unique_ptr<NativeppObject> proxy(
        NativeppObjectClass::newObjectInstance(string, &java::lang::Object::nativeppClass, env));
    ASSERT_NE(nullptr, dynamic_cast<java::lang::String*>(proxy.get()));
    EXPECT_TRUE(proxy->nativeppMustBeDeleted(env));
    EXPECT_TRUE(env->IsSameObject(string.getJObject(), proxy->nativeppGetJObjectGlobal(env).getJObject()));

    // An unregistered class is not looked up by its superclasses: AbstractList is ignored.
    NativeppJObjectLocal list = newObject(env, "java/util/ArrayList");
    std::unique_ptr<NativeppObject> fallback(
        NativeppObjectClass::newObjectInstance(list, &java::lang::Object::nativeppClass, env));
    EXPECT_EQ(&java::lang::Object::nativeppClass, fallback->nativeppGetClass());
    EXPECT_EQ("Class not found: java/util/ArrayList",
              nativeppMessageOf([&] { NativeppObjectClass::newObjectInstance(list, nullptr, env); }));
}

struct NearestCase {
    const char* className;
    NativeppObjectClass* expected;
};

class NativeppNearestClass : public NativeppClasses, public testing::WithParamInterface<NearestCase> {};

TEST_P(NativeppNearestClass, IsTheClassItselfOrItsNearestRegisteredSuperclass) {
    EXPECT_EQ(GetParam().expected, NativeppObjectClass::getFirstKnownClassTree(GetParam().className, env));
}

INSTANTIATE_TEST_SUITE_P(
    Classes, NativeppNearestClass,
    testing::Values(NearestCase{"java/lang/String", &java::lang::String::nativeppClass},
                    NearestCase{"java/lang/NullPointerException", &java::lang::RuntimeException::nativeppClass},
                    NearestCase{"java/lang/ArrayIndexOutOfBoundsException",
                                &java::lang::RuntimeException::nativeppClass},
                    NearestCase{"java/lang/Error", &java::lang::Throwable::nativeppClass},
                    NearestCase{"java/util/ArrayList", &abstractListClass},
                    NearestCase{"java/lang/Thread", &java::lang::Object::nativeppClass}));

TEST_F(NativeppClasses, TheNearestClassOfAnObjectFollowsItsRunTimeClass) {
    NativeppJObjectLocal list = newObject(env, "java/util/ArrayList");
    EXPECT_EQ(&abstractListClass, NativeppObjectClass::getFirstKnownClassTree(list, env));
}

TEST_F(NativeppClasses, AnUnregisteredInterfaceHasNoNearestClass) {
    EXPECT_EQ("Interface class not valid in this context or no CPP class was generated",
              nativeppMessageOf([&] { NativeppObjectClass::getFirstKnownClassTree("java/lang/Runnable", env); }));
    EXPECT_EQ("Class not found:com/drovantel/Missing", nativeppMessageOf([&] {
                  NativeppObjectClass::getFirstKnownClassTree("com/drovantel/Missing", env);
              }));
    EXPECT_FALSE(env->ExceptionCheck());
}

TEST_F(NativeppClasses, IdTablesExistEvenWhenEmptyAndStartZeroed) {
    // A registered name, so that this short-lived descriptor stays out of the registry.
    NativeppTObjectClass<java::lang::Object> descriptor("java/lang/Object", "Ljava/lang/Object;", 2, 0, 3);
    ASSERT_NE(nullptr, descriptor.getConstructorIDArray());
    EXPECT_EQ(descriptor.getConstructorIDArray(), descriptor.getConstructorIDArray());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(nullptr, descriptor.getMethodID(i));
    }
    EXPECT_EQ(nullptr, descriptor.getFieldID(1));
    jfieldID marker = reinterpret_cast<jfieldID>(&descriptor);
    descriptor.setFieldID(1, marker);
    EXPECT_EQ(marker, descriptor.getFieldID(1));
    EXPECT_EQ(nullptr, descriptor.getFieldID(0));
}

TEST_F(NativeppClasses, AnArrayDescriptorResolvesItsElementDescriptor) {
    EXPECT_EQ(&java::lang::Throwable::nativeppClass, throwableArrayClass.getArrayClassElement());
    EXPECT_EQ(&java::lang::Throwable::nativeppClass, throwableArrayClass.getArrayClassElement());
    EXPECT_EQ("INTERNAL ERROR: class is not an array:java/lang/String",
              nativeppMessageOf([] { java::lang::String::nativeppClass.getArrayClassElement(); }));
    EXPECT_EQ("Class not found: com/drovantel/Unknown", nativeppMessageOf([] { orphanArrayClass.getArrayClassElement(); }));
}

TEST_F(NativeppClasses, ThreadsRacingOnAFreshDescriptorShareItsTablesAndElementDescriptor) {
    for (int round = 0; round < 20; ++round) {
        // Same name as a registered descriptor, so that this one stays out of the registry.
        NativeppTObjectClass<java::lang::Object> descriptor("[Ljava/lang/Throwable;", "[Ljava/lang/Throwable;", 1, 1,
                                                            1, "java/lang/Throwable");
        jmethodID* methods[4] = {};
        jfieldID* fields[4] = {};
        NativeppObjectClass* elements[4] = {};
        runTogether(4, [&](int i) {
            methods[i] = descriptor.getMethodIDArray();
            fields[i] = descriptor.getFieldIDArray();
            elements[i] = descriptor.getArrayClassElement();
        });
        EXPECT_EQ(1u, std::set<jmethodID*>(methods, methods + 4).size());
        EXPECT_EQ(1u, std::set<jfieldID*>(fields, fields + 4).size());
        EXPECT_EQ(std::set<NativeppObjectClass*>{&java::lang::Throwable::nativeppClass},
                  std::set<NativeppObjectClass*>(elements, elements + 4));
    }
}

TEST_F(NativeppClasses, IsInstanceOfFollowsTheJavaHierarchy) {
    NativeppJObjectLocal string(env->NewStringUTF("s"), env);
    EXPECT_TRUE(java::lang::String::nativeppClass.isInstanceOf(string, env));
    EXPECT_TRUE(java::lang::Object::nativeppClass.isInstanceOf(string, env));
    EXPECT_FALSE(java::lang::Throwable::nativeppClass.isInstanceOf(string, env));
}

TEST_F(NativeppClasses, ThrowAsNativeExceptionThrowsANewInstanceOfTheDescriptorsClass) {
    try {
        java::lang::RuntimeException::nativeppClass.throwAsNativeException(env);
        FAIL() << "no exception";
    } catch (java::lang::RuntimeException& e) {
        EXPECT_EQ("java/lang/RuntimeException", classNameOf(env, e.nativeppGetJObjectGlobal(env).getJObject()));
    }
}

TEST_F(NativeppClasses, AConstructorWithANegativeIndexBypassesTheTable) {
    NativeppTObjectClass<java::lang::Object> descriptor("java/lang/Object", "Ljava/lang/Object;", 0, 1, 0);
    JNICallCounter counter;
    for (int i = 0; i < 2; ++i) {
        NativeppJObjectLocal made = NativeppConstructor::callConstructor(env, -1, "()V", &descriptor);
        EXPECT_FALSE(made.isNull());
    }
    EXPECT_EQ(2, counter.calls("GetMethodID"));
    EXPECT_EQ(nullptr, descriptor.getConstructorID(0));
    for (int i = 0; i < 2; ++i) {
        NativeppConstructor::callConstructor(env, 0, "()V", &descriptor);
    }
    EXPECT_EQ(3, counter.calls("GetMethodID"));
    EXPECT_NE(nullptr, descriptor.getConstructorID(0));
}

TEST_F(NativeppClasses, AMissingConstructorRaisesWithNoJavaExceptionLeftPending) {
    EXPECT_EQ("Constructor not found, signature: (Z)V", nativeppMessageOf([&] {
                  NativeppConstructor::callConstructor(env, -1, "(Z)V", &java::lang::Object::nativeppClass, 1);
              }));
    EXPECT_FALSE(env->ExceptionCheck());
}

// JNI leaves these null references undefined (a FATAL ERROR or a crash). NullPointerException
// has no proxy: its nearest registered ancestor stands in.
TEST_F(NativeppClasses, AnEmptyReferenceWhereJNINeedsOneRaisesTheMappedNullPointerException) {
    java::lang::Object object(newObject(env, "java/lang/Object"));
    java::lang::Class noClass;
    NativeppJObjectLocal noObject;
    NativeppJClassLocal noJClass;
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"instanceof of an empty Class", [&] { object.instanceof(noClass); }},
        {"nearest class of an empty holder", [&] { NativeppObjectClass::getFirstKnownClassTree(noObject, env); }},
        {"nearest superclass of an empty class",
         [&] { NativeppObjectClass::getFirstKnownSuperClassTree(noJClass, env); }},
        {"length of a null array", [&] { nativepp::NativeppArray::getArrayLength(nullptr, env); }},
    };
    for (const auto& c : cases) {
        EXPECT_EQ("java/lang/NullPointerException", thrownJavaClassOf(env, c.second)) << c.first;
    }
}

// A library of proxies loaded later registers its descriptors while other threads look
// classes up. The new descriptors stay registered, as every descriptor does.
TEST_F(NativeppClasses, LookupsWhileDescriptorsRegisterFindEveryRegisteredClass) {
    static int run = 0;
    const std::string prefix = "com/drovantel/tarvelo/registered/R" + std::to_string(run++) + "C";
    const char* const registered[] = {"java/lang/String", "java/lang/Integer", "java/lang/Throwable",
                                      "java/util/Properties", "java/lang/RuntimeException", "[Ljava/lang/String;"};
    std::atomic<bool> registering{true};
    std::atomic<long> lookups{0};
    std::atomic<long> misses{0};
    const int descriptors = 10000;
    runTogether(3, [&](int i) {
        if (i == 0) {
            for (int n = 0; n < descriptors; ++n) {
                const std::string name = prefix + std::to_string(n);
                new NativeppTObjectClass<java::lang::Object>(name.c_str(), ("L" + name + ";").c_str(), 0, 0, 0);
            }
            registering = false;
            return;
        }
        while (registering) {
            for (const char* name : registered) {
                misses += NativeppObjectClass::findClass(name) == nullptr ? 1 : 0;
                ++lookups;
            }
        }
    });
    EXPECT_EQ(0, misses.load()) << "of " << lookups.load() << " lookups";
    EXPECT_NE(nullptr, NativeppObjectClass::findClass((prefix + std::to_string(descriptors - 1)).c_str()));
}

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "java/lang/Class.h"
#include "java/lang/ClassNotFoundException.h"
#include "java/lang/Exception.h"
#include "java/lang/IntJArray.h"
#include "java/lang/Integer.h"
#include "java/lang/Object.h"
#include "java/lang/RuntimeException.h"
#include "java/lang/String.h"
#include "java/lang/Throwable.h"
#include "java/util/Properties.h"
#include "nativepp/NativeppException.h"
#include "nativepp/NativeppObjectClass.h"
#include "nativepp/NativeppTObjectClass.h"
#include "nativepp/NativeppThrowable.h"
#include "tests/native/JNICallCounter.h"
#include "tests/native/NativeppTestSupport.h"

using nativepp::NativeppException;
using nativepp::NativeppJObjectLocal;
using nativepp::NativeppObjectClass;
using nativepp::NativeppThrowable;

namespace {

class NativeppThrowables : public NativeppTest {
protected:
    // Makes a new exception of className pending and returns a local reference to it.
    NativeppJObjectLocal throwNew(const char* className) {
        jclass cls = env->FindClass(className);
        EXPECT_NE(nullptr, cls);
        EXPECT_EQ(0, env->ThrowNew(cls, "pending"));
        env->DeleteLocalRef(cls);
        jthrowable pending = env->ExceptionOccurred();
        return NativeppJObjectLocal(pending, env);
    }
};

struct PendingCase {
    const char* javaClass;
    NativeppObjectClass* proxyClass;
};

class NativeppPendingException : public NativeppThrowables, public testing::WithParamInterface<PendingCase> {};

}  // namespace

TEST_P(NativeppPendingException, BecomesTheNearestRegisteredProxyBoundToTheSameObject) {
    NativeppJObjectLocal pending = throwNew(GetParam().javaClass);
    try {
        NativeppThrowable::nativeThrowIfJavaThrown(env);
        FAIL() << "no exception";
    } catch (java::lang::Throwable& caught) {
        EXPECT_FALSE(env->ExceptionCheck());
        EXPECT_EQ(GetParam().proxyClass, caught.nativeppGetClass());
        EXPECT_TRUE(env->IsSameObject(pending.getJObject(), caught.nativeppGetJObjectGlobal(env).getJObject()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Classes, NativeppPendingException,
    testing::Values(PendingCase{"java/lang/ClassNotFoundException", &java::lang::ClassNotFoundException::nativeppClass},
                    PendingCase{"java/lang/RuntimeException", &java::lang::RuntimeException::nativeppClass},
                    PendingCase{"java/lang/IllegalStateException", &java::lang::RuntimeException::nativeppClass},
                    PendingCase{"java/io/IOException", &java::lang::Exception::nativeppClass},
                    PendingCase{"java/lang/Error", &java::lang::Throwable::nativeppClass},
                    PendingCase{"java/lang/Throwable", &java::lang::Throwable::nativeppClass}));

TEST_F(NativeppThrowables, AnExceptionRaisedByAJNICallReachesNativeCodeAsItsProxy) {
    NativeppJObjectLocal array(env->NewIntArray(2), env);
    jint buffer[3];
    env->GetIntArrayRegion(static_cast<jintArray>(array.getJObject()), 0, 3, buffer);
    NativeppJObjectLocal pending(env->ExceptionOccurred(), env);
    ASSERT_FALSE(pending.isNull());
    try {
        NativeppThrowable::nativeThrowIfJavaThrown(env);
        FAIL() << "no exception";
    } catch (java::lang::RuntimeException& caught) {
        EXPECT_FALSE(env->ExceptionCheck());
        EXPECT_EQ("java/lang/ArrayIndexOutOfBoundsException", classNameOf(env, caught.nativeppGetJObjectGlobal(env).getJObject()));
        EXPECT_TRUE(env->IsSameObject(pending.getJObject(), caught.nativeppGetJObjectGlobal(env).getJObject()));
    }
}

TEST_F(NativeppThrowables, AClassNotFoundExceptionIsCaughtByEachOfItsProxyBases) {
    throwNew("java/lang/ClassNotFoundException");
    EXPECT_THROW(NativeppThrowable::nativeThrowIfJavaThrown(env), java::lang::ClassNotFoundException);
    throwNew("java/lang/ClassNotFoundException");
    EXPECT_THROW(NativeppThrowable::nativeThrowIfJavaThrown(env), java::lang::Exception);
    throwNew("java/lang/ClassNotFoundException");
    EXPECT_THROW(NativeppThrowable::nativeThrowIfJavaThrown(env), java::lang::Throwable);
    throwNew("java/lang/ClassNotFoundException");
    EXPECT_THROW(NativeppThrowable::nativeThrowIfJavaThrown(env), java::lang::Object);
}

TEST_F(NativeppThrowables, NoPendingExceptionMeansNoOtherJNICall) {
    JNICallCounter counter;
    EXPECT_NO_THROW(NativeppThrowable::nativeThrowIfJavaThrown(env));
    EXPECT_NO_THROW(NativeppThrowable::nativeThrowIfJavaThrown());
    EXPECT_EQ(2, counter.calls("ExceptionCheck"));
    EXPECT_EQ(1u, counter.counts.size());
}

// Java sees the named class and what happened; native code catches the usual proxy type.
TEST_F(NativeppThrowables, ARaiseByNameMakesTheNamedClassWithItsMessage) {
    struct RaiseCase {
        const char* what;
        std::function<void()> raise;
        const char* javaClass;
        const char* message;  // null: none
    };
    java::util::Properties emptyProperties;
    java::lang::IntJArray three(3);
    const std::vector<RaiseCase> cases = {
        {"by name", [&] { NativeppThrowable::nativeThrow("java/lang/IllegalStateException", env); },
         "java.lang.IllegalStateException", nullptr},
        {"by name with a message",
         [&] { NativeppThrowable::nativeThrow("java/lang/IllegalStateException", "what happened", env); },
         "java.lang.IllegalStateException", "what happened"},
        {"empty receiver", [&] { emptyProperties.getProperty(java::lang::String("key")); },
         "java.lang.NullPointerException", "the java.util.Properties proxy holds no object"},
        {"index out of range", [&] { static_cast<int>(three[7]); }, "java.lang.ArrayIndexOutOfBoundsException",
         "index 7 out of bounds for length 3"},
        {"refused cast$", [&] { java::lang::Integer::cast$(java::lang::String("text")); },
         "java.lang.ClassCastException", "cannot cast java.lang.String to java.lang.Integer"},
    };
    for (const RaiseCase& c : cases) {
        try {
            c.raise();
            ADD_FAILURE() << c.what << ": no exception";
        } catch (java::lang::RuntimeException& caught) {
            EXPECT_FALSE(env->ExceptionCheck()) << c.what;
            EXPECT_EQ(&java::lang::RuntimeException::nativeppClass, caught.nativeppGetClass()) << c.what;
            EXPECT_EQ(c.javaClass, static_cast<std::string>(caught.getClass().getName())) << c.what;
            java::lang::String message = caught.getMessage();
            if (c.message == nullptr) {
                EXPECT_TRUE(message.nativeppGetJObjectGlobal(env).isNull()) << c.what;
            } else {
                EXPECT_EQ(c.message, static_cast<std::string>(message)) << c.what;
            }
        }
    }
    EXPECT_THROW(NativeppThrowable::nativeThrow("java/lang/ClassNotFoundException"), java::lang::ClassNotFoundException);
}

TEST_F(NativeppThrowables, RaisingAnUnknownClassByNameRaisesWithNothingPending) {
    EXPECT_EQ("Class not found:com/drovantel/Missing",
              nativeppMessageOf([&] { NativeppThrowable::nativeThrow("com/drovantel/Missing", env); }));
    EXPECT_FALSE(env->ExceptionCheck());
}

TEST_F(NativeppThrowables, JavaThrowMakesTheProxysObjectPending) {
    java::lang::RuntimeException proxy(_nativeppNewInstanceParamDiscriminator);
    EXPECT_EQ(0, NativeppThrowable::javaThrow(proxy, env));
    NativeppJObjectLocal pending(env->ExceptionOccurred(), env);
    env->ExceptionClear();
    EXPECT_TRUE(env->IsSameObject(pending.getJObject(), proxy.nativeppGetJObjectGlobal(env).getJObject()));
    EXPECT_EQ(0, NativeppThrowable::javaThrow(&proxy));
    NativeppJObjectLocal again(env->ExceptionOccurred(), env);
    env->ExceptionClear();
    EXPECT_TRUE(env->IsSameObject(again.getJObject(), proxy.nativeppGetJObjectGlobal(env).getJObject()));
}

TEST_F(NativeppThrowables, JavaThrowOfNothingMakesANullPointerExceptionPending) {
    java::lang::Throwable empty;
    NativeppJObjectLocal emptyHolder;
    const std::vector<std::function<jint()>> throwsOfNothing = {
        [&] { return NativeppThrowable::javaThrow(static_cast<nativepp::NativeppObject*>(nullptr), env); },
        [&] { return NativeppThrowable::javaThrow(empty, env); },
        [&] { return NativeppThrowable::javaThrow(emptyHolder, env); },
    };
    jclass npe = env->FindClass("java/lang/NullPointerException");
    for (const auto& throwNothing : throwsOfNothing) {
        JNICallCounter counter;
        EXPECT_EQ(0, throwNothing());
        EXPECT_EQ(0, counter.calls("Throw(null)"));
        NativeppJObjectLocal pending(env->ExceptionOccurred(), env);
        env->ExceptionClear();
        ASSERT_FALSE(pending.isNull());
        EXPECT_TRUE(env->IsInstanceOf(pending.getJObject(), npe));
    }
    env->DeleteLocalRef(npe);
}

TEST_F(NativeppThrowables, TheThrowableDescriptorIsTheRegisteredOne) {
    EXPECT_EQ(&java::lang::Throwable::nativeppClass, NativeppThrowable::getThrowableClass());
    EXPECT_EQ(&java::lang::Throwable::nativeppClass, NativeppThrowable::getThrowableClass());
}

TEST_F(NativeppThrowables, ANativeppExceptionCarriesItsMessageAndCode) {
    EXPECT_EQ(0, NativeppException("plain").getCode());
    EXPECT_EQ(0, NativeppException(std::string("plain")).getCode());
    EXPECT_EQ(-3, NativeppException("coded", -3).getCode());
    EXPECT_STREQ("coded", NativeppException(std::string("coded"), -3).getMessage());
}

// The nearest proxy class of an exception is remembered per Java class, and found again once
// a descriptor nearer to that class registers.
TEST_F(NativeppThrowables, TheNearestProxyClassIsRememberedPerClassUntilANearerOneRegisters) {
    const char* const moreRecent = "java/util/ConcurrentModificationException";
    static NativeppObjectClass* nearer = nullptr;  // registered for the life of the process
    const std::vector<std::pair<const char*, NativeppObjectClass*>> cases = {
        {"java/lang/NumberFormatException", &java::lang::RuntimeException::nativeppClass},
        {"java/lang/ClassNotFoundException", &java::lang::ClassNotFoundException::nativeppClass},
        {moreRecent, nearer != nullptr ? nearer : &java::lang::RuntimeException::nativeppClass},
    };
    for (int round = 0; round < 3; ++round) {
        for (const auto& c : cases) {
            NativeppJObjectLocal thrown = newObject(env, c.first);
            EXPECT_EQ(c.second, NativeppObjectClass::getFirstKnownClassTree(thrown, env)) << c.first << round;
        }
    }
    if (nearer == nullptr) {
        nearer = new nativepp::NativeppTObjectClass<java::lang::RuntimeException>(
            moreRecent, "Ljava/util/ConcurrentModificationException;", 0, 0, 0);
    }
    NativeppJObjectLocal thrown = newObject(env, moreRecent);
    EXPECT_EQ(nearer, NativeppObjectClass::getFirstKnownClassTree(thrown, env));
}

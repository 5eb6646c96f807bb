#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "java/lang/Object.h"
#include "java/lang/RuntimeException.h"
#include "java/lang/String.h"
#include "nativepp/NativeppJObjectGlobal.h"
#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppMonitor.h"
#include "nativepp/NativeppNewInstanceParamDiscriminator.h"
#include "nativepp/NativeppObjectHelper.h"
#include "nativepp/NativeppObjectMgr.h"
#include "tests/native/JNICallCounter.h"
#include "tests/native/NativeppTestSupport.h"

using java::lang::Object;
using java::lang::String;
using nativepp::NativeppJObjectLocal;
using nativepp::NativeppObjectHelper;

namespace {

class NativeppObjects : public NativeppTest {
protected:
    bool bound(nativepp::NativeppObject& proxy, jobject obj) {
        const nativepp::NativeppSharedJObjectGlobal global = proxy.nativeppGetJObjectGlobal(env);
        return !global.isNull() && env->IsSameObject(global.getJObject(), obj);
    }
};

// An instance proxy that reports its own destruction.
class TrackedObject : public Object {
public:
    TrackedObject(const NativeppJObjectLocal& obj, bool* destroyed)
        : Object(obj, _nativeppNewInstanceParamDiscriminator), destroyed(destroyed) {}
    ~TrackedObject() override { *destroyed = true; }

private:
    bool* destroyed;
};

// The name of the Java exception class that a proxy thrown by operation is bound to.
template <typename Operation>
std::string mappedExceptionOf(JNIEnv* env, Operation operation) {
    try {
        operation();
    } catch (java::lang::RuntimeException& e) {
        return classNameOf(env, e.nativeppGetJObjectGlobal(env).getJObject());
    }
    return "<no exception>";
}

}  // namespace

TEST_F(NativeppObjects, AnInstanceProxyOfNullIsRefused) {
    NativeppJObjectLocal null;
    EXPECT_EQ("Error creating object, reference is null",
              nativeppMessageOf([&] { Object proxy(null, _nativeppNewInstanceParamDiscriminator); }));
    Object empty;
    EXPECT_EQ("Error creating object, reference is null", nativeppMessageOf([&] { empty.nativeppInitObject(null); }));
    // Nothing was installed: the proxy still takes its default manager on first use.
    EXPECT_EQ(nullptr, empty.nativeppGetJObjectGlobal(env).getJObject());
}

TEST_F(NativeppObjects, AnObjectOfAnotherClassIsRefusedAndLeavesTheProxyEmpty) {
    NativeppJObjectLocal integer = newInteger(env, 7);
    EXPECT_EQ("java/lang/ClassCastException", mappedExceptionOf(env, [&] { String proxy(integer); }));
    String proxy("text");
    EXPECT_EQ("java/lang/ClassCastException", mappedExceptionOf(env, [&] { proxy.nativeppAssign(integer); }));
    EXPECT_EQ(nullptr, proxy.nativeppGetJObjectGlobal(env).getJObject());
}

TEST_F(NativeppObjects, AssigningTheSameObjectAgainKeepsTheGlobalReference) {
    NativeppJObjectLocal obj = newObject(env, "java/lang/Object");
    Object proxy(obj);
    jobject global = proxy.nativeppGetJObjectGlobal(env).getJObject();
    NativeppJObjectLocal sameObject(obj.getJObject(), 0, env);
    proxy.nativeppGetMonitor()->getJavaMonitor(env);
    JNICallCounter counter;
    proxy.nativeppAssign(sameObject);
    EXPECT_EQ(global, proxy.nativeppGetJObjectGlobal(env).getJObject());
    EXPECT_EQ(0, counter.calls("NewGlobalRef") + counter.calls("DeleteGlobalRef"));
}

TEST_F(NativeppObjects, ReassigningReleasesTheOldReference) {
    NativeppJObjectLocal first = newObject(env, "java/lang/Object");
    NativeppJObjectLocal second = newObject(env, "java/lang/Object");
    Object proxy(first);
    proxy.nativeppGetMonitor()->getJavaMonitor(env);
    const int withFirst = JNICallCounter::liveGlobalReferences();
    proxy.nativeppAssign(second);
    EXPECT_TRUE(bound(proxy, second.getJObject()));
    EXPECT_EQ(withFirst, JNICallCounter::liveGlobalReferences());
    proxy.nativeppAssign(NativeppJObjectLocal());
    EXPECT_EQ(nullptr, proxy.nativeppGetJObjectGlobal(env).getJObject());
    EXPECT_EQ(withFirst - 1, JNICallCounter::liveGlobalReferences());
}

TEST_F(NativeppObjects, ReferenceProxiesCompareByIdentity) {
    NativeppJObjectLocal obj = newObject(env, "java/lang/Object");
    NativeppJObjectLocal other = newObject(env, "java/lang/Object");
    Object a(obj);
    Object b(obj);
    Object c(other);
    Object empty1;
    Object empty2;
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a != b);
    EXPECT_TRUE(a != c);
    EXPECT_TRUE(empty1 == empty2);
    EXPECT_TRUE(empty1 == static_cast<Object*>(nullptr));
    EXPECT_FALSE(a == empty1);
    jobject local = env->NewLocalRef(obj.getJObject());
    JNICallCounter counter;
    EXPECT_TRUE(a == local);
    // Only looked at: the caller's local reference stays with the caller.
    EXPECT_EQ(0, counter.localDeletionsOf(local));
    env->DeleteLocalRef(local);
}

TEST_F(NativeppObjects, AnInstanceProxyIsNotAReference) {
    NativeppJObjectLocal obj = newObject(env, "java/lang/Object");
    Object instance(obj, _nativeppNewInstanceParamDiscriminator);
    Object reference(obj);
    EXPECT_EQ("Object is not a reference", nativeppMessageOf([&] { instance.nativeppEqualRef(&reference); }));
    EXPECT_EQ("Object is not a reference", nativeppMessageOf([&] { instance.nativeppAssign(obj); }));
    EXPECT_EQ("Object is not a reference", nativeppMessageOf([&] { instance.instanceof(nullptr, env); }));
    EXPECT_TRUE(reference == instance);
}

TEST_F(NativeppObjects, AHeapInstanceHandedOverByPointerIsConsumed) {
    NativeppJObjectLocal obj = newObject(env, "java/lang/Object");
    const std::vector<std::function<bool(Object*)>> handOvers = {
        [&](Object* temporary) {
            Object reference(temporary);
            return bound(reference, obj.getJObject());
        },
        [&](Object* temporary) {
            Object target;
            target = temporary;
            return bound(target, obj.getJObject());
        },
    };
    for (size_t i = 0; i < handOvers.size(); ++i) {
        bool destroyed = false;
        EXPECT_TRUE(handOvers[i](new TrackedObject(obj, &destroyed))) << "hand-over " << i;
        EXPECT_TRUE(destroyed) << "hand-over " << i;
    }
}

TEST_F(NativeppObjects, AStackInstanceHandedOverByReferenceOrValueIsLeftAlone) {
    NativeppJObjectLocal obj = newObject(env, "java/lang/Object");
    Object instance(obj, _nativeppNewInstanceParamDiscriminator);
    const Object& asConst = instance;
    const std::vector<std::function<bool()>> handOvers = {
        [&] {
            Object copy(asConst);
            return bound(copy, obj.getJObject());
        },
        [&] {
            Object target;
            target = asConst;
            return bound(target, obj.getJObject());
        },
        [&] {
            Object cast = Object::cast$(instance);
            return bound(cast, obj.getJObject());
        },
    };
    for (size_t i = 0; i < handOvers.size(); ++i) {
        EXPECT_TRUE(handOvers[i]()) << "hand-over " << i;
        EXPECT_TRUE(bound(instance, obj.getJObject())) << "hand-over " << i;
    }
}

TEST_F(NativeppObjects, AReferenceMadeFromAReferenceSharesItsGlobalReferenceUntilOneIsRepointed) {
    NativeppJObjectLocal obj = newObject(env, "java/lang/Object");
    NativeppJObjectLocal other = newObject(env, "java/lang/Object");
    Object first(obj);
    JNICallCounter counter;
    Object second(first);
    Object third(&first);
    EXPECT_EQ(0, counter.referenceCalls() + counter.calls("IsInstanceOf"));
    EXPECT_TRUE(bound(second, obj.getJObject()));
    EXPECT_TRUE(bound(third, obj.getJObject()));
    EXPECT_EQ(first.nativeppGetJObjectGlobal(env).getJObject(), second.nativeppGetJObjectGlobal(env).getJObject());
    EXPECT_EQ(first.nativeppGetJObjectGlobal(env).getJObject(), third.nativeppGetJObjectGlobal(env).getJObject());
    first = Object(other);
    EXPECT_TRUE(bound(first, other.getJObject()));
    EXPECT_TRUE(bound(second, obj.getJObject()));
    EXPECT_TRUE(bound(third, obj.getJObject()));
}

TEST_F(NativeppObjects, AReferenceMarkedMustBeDeletedIsConsumedByAssignment) {
    NativeppJObjectLocal obj = newObject(env, "java/lang/Object");
    bool destroyed = false;
    struct TrackedReference : Object {
        TrackedReference(const NativeppJObjectLocal& o, bool* flag) : Object(o), flag(flag) {}
        ~TrackedReference() override { *flag = true; }
        bool* flag;
    };
    auto* temporary = new TrackedReference(obj, &destroyed);
    Object kept(obj);
    Object target;
    target = temporary;
    EXPECT_FALSE(destroyed);
    temporary->nativeppSetMustBeDeleted(1, env);
    EXPECT_TRUE(temporary->nativeppMustBeDeleted(env));
    target = temporary;
    EXPECT_TRUE(destroyed);
    EXPECT_TRUE(target == kept);
}

TEST_F(NativeppObjects, AHeapTemporaryIsConsumedAlsoWhenBindingItFails) {
    NativeppJObjectLocal integer = newInteger(env, 7);
    const std::vector<std::function<void(String&, Object*)>> handOvers = {
        [](String& target, Object* temporary) { target.nativeppAssign(temporary); },
        [](String& target, Object* temporary) { target.nativeppInitObjectReference(temporary); },
    };
    for (size_t i = 0; i < handOvers.size(); ++i) {
        bool destroyed = false;
        {
            String target;
            EXPECT_EQ("java/lang/ClassCastException",
                      mappedExceptionOf(env, [&] { handOvers[i](target, new TrackedObject(integer, &destroyed)); }))
                << "hand-over " << i;
            EXPECT_EQ(nullptr, target.nativeppGetJObjectGlobal(env).getJObject()) << "hand-over " << i;
        }
        EXPECT_TRUE(destroyed) << "hand-over " << i;
        // The temporary's reference and its monitor's are gone with it.
        EXPECT_EQ(globalReferencesBefore, JNICallCounter::liveGlobalReferences()) << "hand-over " << i;
    }
}

TEST_F(NativeppObjects, AnUninitialisedProxyBehavesAsAnEmptyReference) {
    Object proxy;
    EXPECT_EQ(nullptr, proxy.nativeppGetJObjectGlobal(env).getJObject());
    EXPECT_FALSE(proxy.nativeppMustBeDeleted(env));
    NativeppJObjectLocal obj = newObject(env, "java/lang/Object");
    proxy.nativeppAssign(obj);
    EXPECT_TRUE(bound(proxy, obj.getJObject()));
    EXPECT_EQ("INTERNAL ERROR, unexpected pointer not null", nativeppMessageOf([&] { proxy.nativeppInitObjectReference(); }));
}

TEST_F(NativeppObjects, AProxyMadeFromANullPointerIsAnEmptyReference) {
    Object fromNull(static_cast<Object*>(nullptr));
    EXPECT_EQ(nullptr, fromNull.nativeppGetJObjectGlobal(env).getJObject());
    EXPECT_FALSE(fromNull.nativeppMustBeDeleted(env));
    String cast = String::cast$(static_cast<Object*>(nullptr));
    EXPECT_EQ(nullptr, cast.nativeppGetJObjectGlobal(env).getJObject());
}

TEST_F(NativeppObjects, LocalReferencesHandedOutBelongToTheCaller) {
    NativeppJObjectLocal obj = newObject(env, "java/lang/Object");
    Object proxy(obj);
    EXPECT_EQ(JNIGlobalRefType, env->GetObjectRefType(NativeppObjectHelper::getJObjectGlobal(proxy).getJObject()));
    jobject local = NativeppObjectHelper::getJObjectLocal(proxy);
    EXPECT_EQ(JNILocalRefType, env->GetObjectRefType(local));
    EXPECT_TRUE(env->IsSameObject(local, obj.getJObject()));
    env->DeleteLocalRef(local);
    NativeppJObjectLocal wrapped = NativeppObjectHelper::getJObjectLocalWrapper(proxy);
    EXPECT_TRUE(env->IsSameObject(wrapped.getJObject(), obj.getJObject()));
    Object empty;
    EXPECT_EQ(nullptr, NativeppObjectHelper::getJObjectLocal(empty));
}

TEST_F(NativeppObjects, InstanceofAndCastFollowTheJavaObject) {
    String text("abc");
    jclass stringClass = env->FindClass("java/lang/String");
    jclass throwableClass = env->FindClass("java/lang/Throwable");
    EXPECT_TRUE(text.instanceof(stringClass));
    EXPECT_FALSE(text.instanceof(throwableClass));
    EXPECT_FALSE(String().instanceof(stringClass));
    Object asObject = Object::cast$(&text);
    String back = String::cast$(asObject);
    EXPECT_EQ("abc", static_cast<std::string>(back));
    EXPECT_TRUE(asObject == static_cast<Object&>(back));
    env->DeleteLocalRef(stringClass);
    env->DeleteLocalRef(throwableClass);
}

TEST_F(NativeppObjects, AProxyReleasesItsReferencesOnAThreadTheVMDoesNotKnowYet) {
    auto* proxy = new Object(_nativeppNewInstanceParamDiscriminator);
    proxy->nativeppGetMonitor()->getJavaMonitor(env);
    EXPECT_EQ(globalReferencesBefore + 2, JNICallCounter::liveGlobalReferences());
    std::thread([proxy] { delete proxy; }).join();
    EXPECT_EQ(globalReferencesBefore, JNICallCounter::liveGlobalReferences());
}

// A share read from a proxy (published), shares beyond a thread's slots and a copy (counted)
// keep the reference they were read for alive when the proxy is re-pointed or destroyed; the
// last one to go deletes it.
TEST_F(NativeppObjects, SharesKeepTheirReferenceUntilTheLastOfThemGoes) {
    NativeppJObjectLocal obj = newObject(env, "java/lang/Object");
    for (const int reads : {1, 10}) {
        for (const bool destroyProxy : {false, true}) {
            const int before = JNICallCounter::liveGlobalReferences();
            auto proxy = std::make_unique<Object>(obj);
            std::vector<nativepp::NativeppSharedJObjectGlobal> shares;
            for (int i = 0; i < reads; ++i) {
                shares.push_back(proxy->nativeppGetJObjectGlobal(env));
            }
            if (reads > 1) {
                shares.push_back(shares.front());
            }
            if (destroyProxy) {
                proxy.reset();
            } else {
                *proxy = Object(newInteger(env, 7));
            }
            for (const auto& share : shares) {
                EXPECT_TRUE(env->IsSameObject(obj.getJObject(), share.getJObject()));
            }
            const int whileShared = JNICallCounter::liveGlobalReferences();
            shares.clear();
            EXPECT_EQ(whileShared - 1, JNICallCounter::liveGlobalReferences()) << reads << destroyProxy;
            proxy.reset();
            EXPECT_EQ(before, JNICallCounter::liveGlobalReferences()) << reads << destroyProxy;
        }
    }
}

// A thread gives its slots back as it exits, for another thread to take; a read from a
// destructor that runs after that (a thread_local made before the thread's first read) must
// not publish in them, so it counts its share.
TEST_F(NativeppObjects, ReadsWhileAThreadExitsCountTheirShares) {
    struct LateReader {
        std::function<void()> read;
        ~LateReader() { read(); }
    };
    Object proxy(newObject(env, "java/lang/Object"));
    const auto holder = proxy.nativeppGetJObjectGlobal(env).getHolder();
    long sharesSeen = 0;
    std::thread([&] {
        thread_local LateReader late;
        JNIEnv* threadEnv = nativepp::NativeppJVM::getJNIEnv();
        late.read = [&proxy, &holder, &sharesSeen, threadEnv] {
            const nativepp::NativeppSharedJObjectGlobal share = proxy.nativeppGetJObjectGlobal(threadEnv);
            sharesSeen = holder.use_count();
        };
        proxy.nativeppGetJObjectGlobal(threadEnv);
    }).join();
    EXPECT_EQ(3, sharesSeen);  // the proxy's, holder and the late read's
}

// Readers pass the proxy's global reference straight into a JNI call, copy the proxy, or
// call a Java method through it while another thread re-points the proxy: the reference
// must stay valid until the call has returned, and a copy's shared one as long as the copy.
TEST_F(NativeppObjects, CallsThroughTheGlobalReferenceSurviveRepointingOnAnotherThread) {
    nativepp::NativeppJObjectGlobal first(newObject(env, "java/lang/Object"), env);
    nativepp::NativeppJObjectGlobal second(newInteger(env, 7), env);
    Object proxy(NativeppJObjectLocal(first.getJObject(), 0, env));
    proxy.nativeppGetMonitor()->getJavaMonitor(env);
    const int globalsBeforeRounds = JNICallCounter::liveGlobalReferences();
    std::atomic<bool> repointing{true};
    std::atomic<int> failedCalls{0};
    runTogether(9, [&](int i) {
        JNIEnv* threadEnv = nativepp::NativeppJVM::getJNIEnv();
        if (i == 0) {
            NativeppJObjectLocal targets[] = {NativeppJObjectLocal(second.getJObject(), 0, threadEnv),
                                              NativeppJObjectLocal(first.getJObject(), 0, threadEnv)};
            for (int round = 0; round < 10000; ++round) {
                proxy.nativeppAssign(targets[round % 2], threadEnv);
            }
            repointing = false;
            return;
        }
        while (repointing) {
            if (i % 3 == 2) {
                proxy.hashCode();
                continue;
            }
            Object copy(proxy);
            Object& read = i % 3 == 1 ? copy : proxy;
            jclass cls = threadEnv->GetObjectClass(read.nativeppGetJObjectGlobal(threadEnv).getJObject());
            failedCalls += cls == nullptr ? 1 : 0;
            threadEnv->DeleteLocalRef(cls);
        }
    });
    EXPECT_EQ(0, failedCalls.load());
    EXPECT_EQ(globalsBeforeRounds, JNICallCounter::liveGlobalReferences());
}

TEST_F(NativeppObjects, AJavaConstructorProxyMakesANewInstance) {
    Object made(_nativeppNewInstanceParamDiscriminator);
    EXPECT_EQ("java/lang/Object", classNameOf(env, made.nativeppGetJObjectGlobal(env).getJObject()));
    EXPECT_TRUE(made.nativeppMustBeDeleted(env));
}

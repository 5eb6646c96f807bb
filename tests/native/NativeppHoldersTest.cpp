#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "java/lang/RuntimeException.h"
#include "nativepp/NativeppJClassGlobal.h"
#include "nativepp/NativeppJClassLocal.h"
#include "nativepp/NativeppJObjectGlobal.h"
#include "nativepp/NativeppJObjectLocal.h"
#include "tests/native/JNICallCounter.h"
#include "tests/native/NativeppTestSupport.h"

using nativepp::NativeppJClassGlobal;
using nativepp::NativeppJClassLocal;
using nativepp::NativeppJObjectGlobal;
using nativepp::NativeppJObjectLocal;
using nativepp::NativeppJObjectWrapper;

namespace {

class NativeppHolders : public NativeppTest {};

struct NullHolder {
    const char* form;
    std::function<std::unique_ptr<NativeppJObjectWrapper>(JNIEnv*)> make;
};

const NullHolder kNullHolders[] = {
    {"local empty", [](JNIEnv*) { return std::make_unique<NativeppJObjectLocal>(); }},
    {"local adopt", [](JNIEnv* e) { return std::make_unique<NativeppJObjectLocal>(nullptr, e); }},
    {"local copy", [](JNIEnv* e) { return std::make_unique<NativeppJObjectLocal>(nullptr, 0, e); }},
    {"local copy+delete", [](JNIEnv* e) { return std::make_unique<NativeppJObjectLocal>(nullptr, 1, e); }},
    {"global empty", [](JNIEnv*) { return std::make_unique<NativeppJObjectGlobal>(); }},
    {"global copy", [](JNIEnv* e) { return std::make_unique<NativeppJObjectGlobal>(nullptr, 0, e); }},
    {"global copy+delete", [](JNIEnv* e) { return std::make_unique<NativeppJObjectGlobal>(nullptr, 1, e); }},
    {"global of empty", [](JNIEnv* e) { return std::make_unique<NativeppJObjectGlobal>(NativeppJObjectLocal(), e); }},
    {"class local", [](JNIEnv* e) { return std::make_unique<NativeppJClassLocal>(nullptr, e); }},
    {"class global", [](JNIEnv* e) { return std::make_unique<NativeppJClassGlobal>(nullptr, 1, e); }},
};

}  // namespace

TEST_F(NativeppHolders, NullMakesNoReferenceCallInConstructionOrDestruction) {
    for (const auto& holder : kNullHolders) {
        JNICallCounter counter;
        auto made = holder.make(env);
        EXPECT_TRUE(made->isNull()) << holder.form;
        made.reset();
        EXPECT_EQ(0, counter.referenceCalls()) << holder.form;
    }
}

TEST_F(NativeppHolders, AnAdoptedLocalReferenceIsDeletedExactlyOnce) {
    jobject obj = newObject(env, "java/lang/Object").detach();
    JNICallCounter counter;
    {
        NativeppJObjectLocal holder(obj, env);
        EXPECT_EQ(obj, holder.getJObject());
    }
    EXPECT_EQ(1, counter.localDeletionsOf(obj));
    EXPECT_EQ(1, counter.referenceCalls());
}

TEST_F(NativeppHolders, ALocalCopyDeletesTheSourceOnlyWhenAsked) {
    for (unsigned char deleteSource : {0, 1}) {
        jobject obj = newObject(env, "java/lang/Object").detach();
        JNICallCounter counter;
        jobject copy = nullptr;
        {
            NativeppJObjectLocal holder(obj, deleteSource, env);
            copy = holder.getJObject();
            EXPECT_NE(obj, copy);
            EXPECT_EQ(deleteSource, counter.localDeletionsOf(obj));
        }
        EXPECT_EQ(1, counter.localDeletionsOf(copy));
        if (!deleteSource) {
            env->DeleteLocalRef(obj);
        }
    }
}

TEST_F(NativeppHolders, AGlobalHolderReplacesTheLocalSourceAndReleasesItsGlobal) {
    jobject obj = newObject(env, "java/lang/Object").detach();
    JNICallCounter counter;
    {
        NativeppJObjectGlobal holder(obj, 1, env);
        EXPECT_EQ(JNIGlobalRefType, env->GetObjectRefType(holder.getJObject()));
        EXPECT_EQ(1, counter.calls("NewGlobalRef"));
        EXPECT_EQ(1, counter.localDeletionsOf(obj));
        EXPECT_EQ(globalReferencesBefore + 1, JNICallCounter::liveGlobalReferences());
    }
    EXPECT_EQ(1, counter.calls("DeleteGlobalRef"));
}

TEST_F(NativeppHolders, AfterDetachTheHolderReleasesNothing) {
    NativeppJObjectLocal source = newObject(env, "java/lang/Object");
    jobject detached = nullptr;
    {
        NativeppJObjectGlobal holder(source, env);
        JNICallCounter counter;
        detached = holder.detach();
        EXPECT_TRUE(holder.isNull());
        EXPECT_EQ(nullptr, holder.getJObject());
        // The reference lives on, now the caller's.
        EXPECT_EQ(globalReferencesBefore + 1, JNICallCounter::liveGlobalReferences());
        {
            NativeppJObjectGlobal empty;
        }
        EXPECT_EQ(0, counter.referenceCalls());
    }
    EXPECT_TRUE(env->IsSameObject(detached, source.getJObject()));
    env->DeleteGlobalRef(detached);
}

TEST_F(NativeppHolders, AClassGlobalAndItsLocalSourceEachReleaseTheirOwn) {
    jclass cls = env->FindClass("java/lang/String");
    ASSERT_NE(nullptr, cls);
    JNICallCounter counter;
    jobject global = nullptr;
    {
        NativeppJClassLocal local(cls, env);
        NativeppJClassGlobal classGlobal(local, env);
        global = classGlobal.getJClass();
        EXPECT_TRUE(env->IsSameObject(local.getJClass(), classGlobal.getJClass()));
    }
    EXPECT_EQ(1, counter.localDeletionsOf(cls));
    EXPECT_EQ(1, counter.calls("DeleteGlobalRef"));
    EXPECT_NE(nullptr, global);
}

TEST_F(NativeppHolders, CheckNotNullOfAnEmptyHolderRaisesTheMappedNullPointerException) {
    NativeppJObjectLocal empty;
    try {
        empty.checkNotNull();
        FAIL() << "no exception";
    } catch (java::lang::RuntimeException& e) {
        NativeppJObjectLocal thrown = e.nativeppGetJObjectLocalWrapper(env);
        EXPECT_EQ("java/lang/NullPointerException", classNameOf(env, thrown.getJObject()));
    }
    NativeppJObjectLocal full = newObject(env, "java/lang/Object");
    EXPECT_NO_THROW(full.checkNotNull());
}

TEST_F(NativeppHolders, CopyingALocalHolderIsForbidden) {
    NativeppJObjectLocal original = newObject(env, "java/lang/Object");
    EXPECT_EQ("INTERNAL ERROR, FORBIDDEN METHOD", nativeppMessageOf([&] { NativeppJObjectLocal copy(original); }));
    NativeppJClassLocal cls(env->FindClass("java/lang/Object"), env);
    EXPECT_EQ("INTERNAL ERROR, FORBIDDEN METHOD", nativeppMessageOf([&] { NativeppJClassLocal copy(cls); }));
    EXPECT_FALSE(original.isNull());
}

TEST_F(NativeppHolders, ALocalCopyOfTheReferenceBelongsToTheCaller) {
    NativeppJObjectLocal holder = newObject(env, "java/lang/Object");
    jobject copy = holder.getJObjectLocalCopy(env);
    EXPECT_NE(copy, holder.getJObject());
    EXPECT_TRUE(env->IsSameObject(copy, holder.getJObject()));
    env->DeleteLocalRef(copy);
}

// Member operations that allocate, look up or count, entered while the caller's own JNI call
// has left a Java exception pending: each throws that exception as its proxy before its JNI
// access. (Accesses through cached IDs do not look: that entry is the caller's JNI error.)
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "java/lang/IntJArray.h"
#include "nativepp/NativeppArray.h"
#include "tests/native/Echo.h"
#include "tests/native/MembersTestSupport.h"

using com::drovantel::tarvelo::members::Echo;
using nativepp::NativeppJObjectLocal;

namespace {

struct Subjects {
    java::lang::IntJArray& ints;
};

struct Entry {
    const char* operation;
    std::function<void(JNIEnv*, Subjects&)> run;
};

const Entry kEntries[] = {
    {"Java constructor", [](JNIEnv*, Subjects&) { Echo made(_nativeppNewInstanceParamDiscriminator); }},
    {"new array", [](JNIEnv* e, Subjects&) { nativepp::NativeppArray::newIntArray(1, e); }},
    {"array length", [](JNIEnv*, Subjects& s) { s.ints.length.get(); }},
};

class NativeppMemberPendingException : public NativeppTest {};

}  // namespace

TEST_F(NativeppMemberPendingException, IsThrownFirstByMemberOperationsThatAllocateOrLookUp) {
    java::lang::IntJArray ints(1);
    Subjects subjects{ints};
    for (const Entry& entry : kEntries) {
        EXPECT_EQ(nullptr, env->FindClass("com/drovantel/NoSuchClass"));
        NativeppJObjectLocal pending(env->ExceptionOccurred(), env);
        const std::string warnings = checkedJNIWarningsOf([&] {
            try {
                entry.run(env, subjects);
                ADD_FAILURE() << entry.operation << ": nothing thrown";
            } catch (java::lang::Throwable& thrown) {
                EXPECT_TRUE(env->IsSameObject(pending.getJObject(), thrown.nativeppGetJObjectGlobal(env).getJObject()))
                    << entry.operation;
            }
        });
        EXPECT_EQ("", warnings) << entry.operation;
        EXPECT_FALSE(env->ExceptionCheck()) << entry.operation;
        env->ExceptionClear();
    }
}

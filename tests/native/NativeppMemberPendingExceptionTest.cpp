// Member operations entered while the caller's own JNI call has left a Java exception
// pending: each throws that exception as its proxy before its JNI access.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "java/lang/IntJArray.h"
#include "java/lang/String.h"
#include "nativepp/NativeppArray.h"
#include "tests/native/Echo.h"
#include "tests/native/FieldHolder.h"
#include "tests/native/MembersTestSupport.h"

using com::drovantel::tarvelo::members::Echo;
using com::drovantel::tarvelo::members::FieldHolder;
using nativepp::NativeppJObjectLocal;

namespace {

struct Subjects {
    FieldHolder& holder;
    Echo& echo;
    java::lang::IntJArray& ints;
    java::lang::String& text;
};

struct Entry {
    const char* operation;
    std::function<void(JNIEnv*, Subjects&)> run;
};

const Entry kEntries[] = {
    {"primitive field read", [](JNIEnv*, Subjects& s) { s.holder.intField.get(); }},
    {"static primitive field write", [](JNIEnv*, Subjects&) { *FieldHolder::staticInt = 1; }},
    {"object field read", [](JNIEnv* e, Subjects& s) { s.holder.text.nativeppGetJObjectGlobal(e); }},
    {"object field store", [](JNIEnv*, Subjects& s) { s.holder.text = s.text; }},
    {"instance call", [](JNIEnv*, Subjects& s) { s.echo.echoInt(1); }},
    {"static call", [](JNIEnv*, Subjects&) { Echo::remembered(); }},
    {"Java constructor", [](JNIEnv*, Subjects&) { Echo made(_nativeppNewInstanceParamDiscriminator); }},
    {"new array", [](JNIEnv* e, Subjects&) { nativepp::NativeppArray::newIntArray(1, e); }},
    {"region copy", [](JNIEnv*, Subjects& s) {
         int buffer[1];
         s.ints.get(0, 1, buffer);
     }},
    {"array length", [](JNIEnv*, Subjects& s) { s.ints.length.get(); }},
    {"array element", [](JNIEnv*, Subjects& s) { s.ints[0].get(); }},
};

class NativeppMemberPendingException : public NativeppTest {};

}  // namespace

TEST_F(NativeppMemberPendingException, IsThrownFirstByEveryMemberOperation) {
    FieldHolder holder(_nativeppNewInstanceParamDiscriminator);
    Echo echo(_nativeppNewInstanceParamDiscriminator);
    java::lang::IntJArray ints(1);
    java::lang::String text("text");
    Subjects subjects{holder, echo, ints, text};
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

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "java/lang/IntJArray.h"
#include "java/lang/ObjectJArray.h"
#include "java/lang/String.h"
#include "nativepp/NativeppObjectClass.h"
#include "tests/native/Echo.h"
#include "tests/native/FieldHolder.h"
#include "tests/native/MembersTestSupport.h"

using com::drovantel::tarvelo::members::Echo;
using com::drovantel::tarvelo::members::FieldHolder;
using java::lang::IntJArray;
using java::lang::Object;
using java::lang::ObjectJArray;
using nativepp::NativeppJObjectLocal;
using nativepp::NativeppObject;
using nativepp::NativeppObjectClass;

namespace {

struct TypedCase {
    const char* javaObject;
    std::function<NativeppJObjectLocal(JNIEnv*)> make;
    NativeppObjectClass* descriptor;
};

const TypedCase kCases[] = {
    {"FieldHolder", [](JNIEnv* e) { return newObject(e, "com/drovantel/tarvelo/members/FieldHolder"); },
     &FieldHolder::nativeppClass},
    {"Echo", [](JNIEnv* e) { return newObject(e, "com/drovantel/tarvelo/members/Echo"); }, &Echo::nativeppClass},
    {"int[]", [](JNIEnv* e) { return NativeppJObjectLocal(e->NewIntArray(2), e); }, &IntJArray::nativeppClass},
    {"Object[]", [](JNIEnv* e) { return nativepp::NativeppArray::newObjectArray(2, &ObjectJArray::nativeppClass, e); },
     &ObjectJArray::nativeppClass},
};

class NativeppTypedClasses : public NativeppTest {};

}  // namespace

TEST_F(NativeppTypedClasses, AnObjectBecomesAnInstanceProxyOfItsExactClass) {
    for (const TypedCase& c : kCases) {
        NativeppJObjectLocal obj = c.make(env);
        std::unique_ptr<NativeppObject> proxy(NativeppObjectClass::newObjectInstance(obj, &Object::nativeppClass, env));
        ASSERT_NE(nullptr, proxy) << c.javaObject;
        EXPECT_EQ(c.descriptor, proxy->nativeppGetClass()) << c.javaObject;
        EXPECT_TRUE(proxy->nativeppMustBeDeleted(env)) << c.javaObject;
        EXPECT_TRUE(env->IsSameObject(obj.getJObject(), proxy->nativeppGetJObjectGlobal(env).getJObject()))
            << c.javaObject;
    }
    // The proxy made is the typed one, with its members bound.
    NativeppJObjectLocal ints(env->NewIntArray(3), env);
    std::unique_ptr<NativeppObject> proxy(NativeppObjectClass::newObjectInstance(ints, nullptr, env));
    auto* array = dynamic_cast<IntJArray*>(proxy.get());
    ASSERT_NE(nullptr, array);
    EXPECT_EQ(3, array->length.get());
    (*array)[2] = 4;
    EXPECT_EQ(4, (*array)[2].get());
}

TEST_F(NativeppTypedClasses, ADescriptorThrowsItsProxyBoundToTheObject) {
    for (const TypedCase& c : kCases) {
        NativeppJObjectLocal obj = c.make(env);
        try {
            c.descriptor->throwAsNativeException(obj);
            ADD_FAILURE() << c.javaObject << ": nothing thrown";
        } catch (Object& thrown) {
            EXPECT_EQ(c.descriptor, thrown.nativeppGetClass()) << c.javaObject;
            EXPECT_FALSE(thrown.nativeppMustBeDeleted(env)) << c.javaObject;
            EXPECT_TRUE(env->IsSameObject(obj.getJObject(), thrown.nativeppGetJObjectGlobal(env).getJObject()))
                << c.javaObject;
        }
    }
    try {
        ObjectJArray::nativeppClass.throwAsNativeException(kCases[3].make(env));
        ADD_FAILURE() << "nothing thrown";
    } catch (ObjectJArray& thrown) {
        // The copy works on its own parts, not on the temporary it was copied from.
        EXPECT_EQ(static_cast<nativepp::NativeppObject*>(&thrown), thrown.nativeppArray.getParent());
        EXPECT_EQ(2, thrown.length.get());
        EXPECT_TRUE(thrown[1].nativeppGetJObjectGlobal(env).isNull());  // a new Object[] holds nulls
    }
}

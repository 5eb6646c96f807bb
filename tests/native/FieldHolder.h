#ifndef TESTS_NATIVE_FIELDHOLDER_H
#define TESTS_NATIVE_FIELDHOLDER_H

// Proxy of the test class com.drovantel.tarvelo.members.FieldHolder, in the generated shape.

#include "tests/native/NativeppProxyPattern.h"
#include "java/lang/Class.h"
#include "java/lang/Object.h"
#include "java/lang/String.h"
#include "nativepp/NativeppBoolean.h"
#include "nativepp/NativeppByte.h"
#include "nativepp/NativeppChar.h"
#include "nativepp/NativeppDouble.h"
#include "nativepp/NativeppFloat.h"
#include "nativepp/NativeppInt.h"
#include "nativepp/NativeppLong.h"
#include "nativepp/NativeppShort.h"
#include "nativepp/NativeppTObjectField.h"

namespace com {
namespace drovantel {
namespace tarvelo {
namespace members {

class FieldHolder : public virtual java::lang::Object {
    NATIVEPP_PROXY_MEMBERS(FieldHolder)

    // Java constructor "()V".
    explicit FieldHolder(nativepp::NativeppNewInstanceParamDiscriminator& pd);

    nativepp::NativeppBoolean booleanField;
    nativepp::NativeppByte byteField;
    nativepp::NativeppChar charField;
    nativepp::NativeppShort shortField;
    nativepp::NativeppInt intField;
    nativepp::NativeppLong longField;
    nativepp::NativeppFloat floatField;
    nativepp::NativeppDouble doubleField;
    java::lang::String text;
    nativepp::NativeppTObjectField<FieldHolder> next;
    nativepp::NativeppInt finalInt;
    java::lang::String finalText;

    static java::lang::Class* class$;

    static nativepp::NativeppBoolean* staticBoolean;
    static nativepp::NativeppByte* staticByte;
    static nativepp::NativeppChar* staticChar;
    static nativepp::NativeppShort* staticShort;
    static nativepp::NativeppInt* staticInt;
    static nativepp::NativeppLong* staticLong;
    static nativepp::NativeppFloat* staticFloat;
    static nativepp::NativeppDouble* staticDouble;
    static java::lang::String* staticText;
};

}  // namespace members
}  // namespace tarvelo
}  // namespace drovantel
}  // namespace com

#endif

#include "tests/native/FieldHolder.h"

namespace com {
namespace drovantel {
namespace tarvelo {
namespace members {

nativepp::NativeppTObjectClass<FieldHolder> FieldHolder::nativeppClass("com/drovantel/tarvelo/members/FieldHolder",
                                                                       "Lcom/drovantel/tarvelo/members/FieldHolder;",
                                                                       21, 1, 0);

NATIVEPP_PROXY_BINDING_DEFINITIONS(FieldHolder, nativepp::NativeppObject(), Object())

void FieldHolder::nativeppInitFields() {
    booleanField.nativeppInitFieldNamed(0, "booleanField", &nativeppClass, this);
    byteField.nativeppInitFieldNamed(1, "byteField", &nativeppClass, this);
    charField.nativeppInitFieldNamed(2, "charField", &nativeppClass, this);
    shortField.nativeppInitFieldNamed(3, "shortField", &nativeppClass, this);
    intField.nativeppInitFieldNamed(4, "intField", &nativeppClass, this);
    longField.nativeppInitFieldNamed(5, "longField", &nativeppClass, this);
    floatField.nativeppInitFieldNamed(6, "floatField", &nativeppClass, this);
    doubleField.nativeppInitFieldNamed(7, "doubleField", &nativeppClass, this);
    text.nativeppInitFieldNamed(8, "text", &nativeppClass, this);
    next.nativeppInitFieldNamed(9, "next", &nativeppClass, this);
    finalInt.nativeppInitFieldNamed(19, "finalInt", &nativeppClass, this);
    finalText.nativeppInitFieldNamed(20, "finalText", &nativeppClass, this);
}

FieldHolder::FieldHolder(nativepp::NativeppNewInstanceParamDiscriminator&) NATIVEPP_PROXY_JAVA_CONSTRUCTOR_BODY(0, "()V")

java::lang::Class* FieldHolder::class$ = new java::lang::Class(&nativeppClass);

nativepp::NativeppBoolean* FieldHolder::staticBoolean = new nativepp::NativeppBoolean(10, "staticBoolean", &nativeppClass);
nativepp::NativeppByte* FieldHolder::staticByte = new nativepp::NativeppByte(11, "staticByte", &nativeppClass);
nativepp::NativeppChar* FieldHolder::staticChar = new nativepp::NativeppChar(12, "staticChar", &nativeppClass);
nativepp::NativeppShort* FieldHolder::staticShort = new nativepp::NativeppShort(13, "staticShort", &nativeppClass);
nativepp::NativeppInt* FieldHolder::staticInt = new nativepp::NativeppInt(14, "staticInt", &nativeppClass);
nativepp::NativeppLong* FieldHolder::staticLong = new nativepp::NativeppLong(15, "staticLong", &nativeppClass);
nativepp::NativeppFloat* FieldHolder::staticFloat = new nativepp::NativeppFloat(16, "staticFloat", &nativeppClass);
nativepp::NativeppDouble* FieldHolder::staticDouble = new nativepp::NativeppDouble(17, "staticDouble", &nativeppClass);
java::lang::String* FieldHolder::staticText = new java::lang::String(18, "staticText", &nativeppClass);

}  // namespace members
}  // namespace tarvelo
}  // namespace drovantel
}  // namespace com

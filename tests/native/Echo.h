#ifndef TESTS_NATIVE_ECHO_H
#define TESTS_NATIVE_ECHO_H

// Proxy of the test class com.drovantel.tarvelo.members.Echo, in the generated shape.

#include "tests/native/NativeppProxyPattern.h"
#include "java/lang/Object.h"
#include "java/lang/String.h"

namespace com {
namespace drovantel {
namespace tarvelo {
namespace members {

class Echo : public virtual java::lang::Object {
    NATIVEPP_PROXY_MEMBERS(Echo)

    // Java constructor "()V".
    explicit Echo(nativepp::NativeppNewInstanceParamDiscriminator& pd);

    unsigned char echoBoolean(unsigned char v);
    signed char echoByte(signed char v);
    unsigned short echoChar(unsigned short v);
    short echoShort(short v);
    int echoInt(int v);
    long long echoLong(long long v);
    float echoFloat(float v);
    double echoDouble(double v);
    java::lang::Object echoObject(java::lang::Object v);
    java::lang::Object echoObject(java::lang::Object* v);
    void remember(int v);

    static unsigned char staticEchoBoolean(unsigned char v);
    static signed char staticEchoByte(signed char v);
    static unsigned short staticEchoChar(unsigned short v);
    static short staticEchoShort(short v);
    static int staticEchoInt(int v);
    static long long staticEchoLong(long long v);
    static float staticEchoFloat(float v);
    static double staticEchoDouble(double v);
    static java::lang::Object staticEchoObject(java::lang::Object v);
    static java::lang::Object staticEchoObject(java::lang::Object* v);
    static void staticRemember(int v);
    static int remembered();

    static java::lang::String describe(unsigned char z, signed char b, unsigned short c, short s, int i, long long j,
                                       float f, double d);
    java::lang::String name();
    void fail();
};

}  // namespace members
}  // namespace tarvelo
}  // namespace drovantel
}  // namespace com

#endif

#include "tests/native/Echo.h"

#include "nativepp/NativeppMethodInstance.h"
#include "nativepp/NativeppMethodStatic.h"

using nativepp::NativeppMethodInstance;
using nativepp::NativeppMethodStatic;

namespace com {
namespace drovantel {
namespace tarvelo {
namespace members {

NATIVEPP_PROXY_DEFINITIONS(Echo, "com/drovantel/tarvelo/members/Echo", "Lcom/drovantel/tarvelo/members/Echo;", 0, 1,
                           24, nativepp::NativeppObject(), Object())

Echo::Echo(nativepp::NativeppNewInstanceParamDiscriminator&) NATIVEPP_PROXY_JAVA_CONSTRUCTOR_BODY(0, "()V")

#define ECHO_METHODS(KIND, NATIVE, INDEX, SIGNATURE)                                                \
    NATIVE Echo::echo##KIND(NATIVE v) {                                                             \
        return NativeppMethodInstance::call##KIND##Method(nativeppGetJNIEnv(), INDEX, "echo" #KIND, SIGNATURE, \
                                                          &nativeppClass, this, v);                 \
    }                                                                                               \
    NATIVE Echo::staticEcho##KIND(NATIVE v) {                                                       \
        return NativeppMethodStatic::callStatic##KIND##Method(nativeppGetJNIEnv(), INDEX + 10, "staticEcho" #KIND, \
                                                              SIGNATURE, &nativeppClass, v);        \
    }

ECHO_METHODS(Boolean, unsigned char, 0, "(Z)Z")
ECHO_METHODS(Byte, signed char, 1, "(B)B")
ECHO_METHODS(Char, unsigned short, 2, "(C)C")
ECHO_METHODS(Short, short, 3, "(S)S")
ECHO_METHODS(Int, int, 4, "(I)I")
ECHO_METHODS(Long, long long, 5, "(J)J")
ECHO_METHODS(Float, float, 6, "(F)F")
ECHO_METHODS(Double, double, 7, "(D)D")

java::lang::Object Echo::echoObject(java::lang::Object v) {
    JNIEnv* env = nativeppGetJNIEnv();
    return java::lang::Object(NativeppMethodInstance::callObjectMethod(
        env, 8, "echoObject", "(Ljava/lang/Object;)Ljava/lang/Object;", &nativeppClass, this,
        v.nativeppGetJObjectGlobal(env).getJObject()));
}

java::lang::Object Echo::echoObject(java::lang::Object* v) { return echoObject(java::lang::Object(v)); }

void Echo::remember(int v) {
    NativeppMethodInstance::callVoidMethod(nativeppGetJNIEnv(), 9, "remember", "(I)V", &nativeppClass, this, v);
}

java::lang::Object Echo::staticEchoObject(java::lang::Object v) {
    JNIEnv* env = nativeppGetJNIEnv();
    return java::lang::Object(NativeppMethodStatic::callStaticObjectMethod(
        env, 18, "staticEchoObject", "(Ljava/lang/Object;)Ljava/lang/Object;", &nativeppClass,
        v.nativeppGetJObjectGlobal(env).getJObject()));
}

java::lang::Object Echo::staticEchoObject(java::lang::Object* v) { return staticEchoObject(java::lang::Object(v)); }

void Echo::staticRemember(int v) {
    NativeppMethodStatic::callStaticVoidMethod(nativeppGetJNIEnv(), 19, "staticRemember", "(I)V", &nativeppClass, v);
}

int Echo::remembered() {
    return NativeppMethodStatic::callStaticIntMethod(nativeppGetJNIEnv(), 20, "remembered", "()I", &nativeppClass);
}

java::lang::String Echo::describe(unsigned char z, signed char b, unsigned short c, short s, int i, long long j,
                                  float f, double d) {
    return java::lang::String(NativeppMethodStatic::callStaticObjectMethod(
        nativeppGetJNIEnv(), 21, "describe", "(ZBCSIJFD)Ljava/lang/String;", &nativeppClass, z, b, c, s, i, j, f, d));
}

java::lang::String Echo::name() {
    return java::lang::String(NativeppMethodInstance::callObjectMethod(
        nativeppGetJNIEnv(), 22, "name", "()Ljava/lang/String;", &nativeppClass, this));
}

void Echo::fail() { NativeppMethodInstance::callVoidMethod(nativeppGetJNIEnv(), 23, "fail", "()V", &nativeppClass, this); }

}  // namespace members
}  // namespace tarvelo
}  // namespace drovantel
}  // namespace com

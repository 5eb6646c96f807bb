// The demo's C++ half: a JNI native that works with the Java platform through the proxies,
// as if it were a C++ library, and prints what it got through System.out.
#include <jni.h>

#include <cstdio>
#include <string>
#include <vector>

#include "java/io/PrintStream.h"
#include "java/lang/ByteJArray.h"
#include "java/lang/String.h"
#include "java/lang/System.h"
#include "java/lang/Throwable.h"
#include "java/security/MessageDigest.h"
#include "java/text/SimpleDateFormat.h"
#include "java/util/Date.h"
#include "nativepp/NativeppException.h"

namespace {

using java::lang::String;
using java::lang::System;

std::string hex(java::lang::ByteJArray bytes) {
    std::vector<signed char> buffer(bytes.length.get());
    bytes.get(buffer.data());
    std::string text;
    for (signed char b : buffer) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02x", static_cast<unsigned char>(b));
        text += digits;
    }
    return text;
}

void show() {
    String text("tarvelo");
    java::security::MessageDigest sha = java::security::MessageDigest::getInstance("SHA-256");
    System::out->println(String("SHA-256(\"") + text + "\") = " + hex(sha.digest(text.getBytes())));

    java::text::SimpleDateFormat format("yyyy-MM-dd HH:mm:ss zzz");
    java::util::Date now(System::currentTimeMillis());
    System::out->println(String("now: ") + format.format(now));
    System::out->println(String("10^9 seconds after the epoch: ") + java::util::Date(1000000000000LL).toGMTString());

    for (const char* name : {"java.vm.name", "java.version", "os.arch", "user.timezone"}) {
        System::out->println(String(name) + " = " + System::getProperty(name, "(unset)"));
    }
}

}  // namespace

extern "C" JNIEXPORT void JNICALL Java_com_drovantel_tarvelo_demo_PlatformProxies_show0(JNIEnv*, jclass) {
    // Nothing may escape into the JVM: a failure is reported, not thrown.
    try {
        show();
    } catch (java::lang::Throwable& e) {
        System::out->println(String("failed: ") + e.toString());
    } catch (const nativepp::NativeppException& e) {
        std::fprintf(stderr, "failed: %s\n", e.getMessage());
    }
}

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "java/io/ByteArrayOutputStream.h"
#include "java/io/PrintStream.h"
#include "java/lang/String.h"
#include "java/lang/StringBuffer.h"
#include "tests/native/NativeppTestSupport.h"

using java::lang::String;
using java::lang::StringBuffer;

namespace {

using ProxyCharacterArguments = NativeppTest;

struct Call {
    const char* call;
    std::function<std::string()> run;
    const char* java;  // what the same call gives in Java
};

std::string text(String s) { return static_cast<std::string>(s); }

std::string buffer(const std::function<void(StringBuffer&)>& use) {
    StringBuffer b(String("ab"));
    use(b);
    return text(b.toString());
}

std::string printed(const std::function<void(java::io::PrintStream&)>& use) {
    java::io::ByteArrayOutputStream bytes(_nativeppNewInstanceParamDiscriminator);
    java::io::PrintStream out(bytes, true);
    use(out);
    return text(bytes.toString());
}

}  // namespace

// A C++ character or truth value reaches the Java char or boolean form; the mapped types
// keep theirs (unsigned char is a Java boolean, unsigned short a char).
TEST_F(ProxyCharacterArguments, CallsResolveAsInJava) {
    const std::vector<Call> calls = {
        {"append('!')", [] { return buffer([](StringBuffer& b) { b.append('!'); }); }, "ab!"},
        {"append(u'\\u00e9')", [] { return buffer([](StringBuffer& b) { b.append(u'\u00e9'); }); }, "ab\xc3\xa9"},
        {"append(true)", [] { return buffer([](StringBuffer& b) { b.append(true); }); }, "abtrue"},
        {"insert(1, 'Z')", [] { return buffer([](StringBuffer& b) { b.insert(1, 'Z'); }); }, "aZb"},
        {"insert(1, false)", [] { return buffer([](StringBuffer& b) { b.insert(1, false); }); }, "afalseb"},
        {"\"a\" + 'b'", [] { return text(String("a") + 'b'); }, "ab"},
        {"\"a\" + true", [] { return text(String("a") + true); }, "atrue"},
        {"\"a\" += u'c'", [] { String s("a"); s += u'c'; return text(s); }, "ac"},
        {"valueOf('x')", [] { return text(String::valueOf('x')); }, "x"},
        {"print('x')", [] { return printed([](java::io::PrintStream& out) { out.print('x'); }); }, "x"},
        {"println(true)", [] { return printed([](java::io::PrintStream& out) { out.println(true); }); }, "true\n"},
        {"append(65)", [] { return buffer([](StringBuffer& b) { b.append(65); }); }, "ab65"},
        {"append((unsigned short)65)",
         [] { return buffer([](StringBuffer& b) { b.append(static_cast<unsigned short>(65)); }); }, "abA"},
        {"append((unsigned char)1)",
         [] { return buffer([](StringBuffer& b) { b.append(static_cast<unsigned char>(1)); }); }, "abtrue"},
        {"append(\"cd\")", [] { return buffer([](StringBuffer& b) { b.append("cd"); }); }, "abcd"},
        {"\"a\" + (short)5", [] { return text(String("a") + static_cast<short>(5)); }, "a5"},
    };
    for (const Call& c : calls) {
        EXPECT_EQ(c.java, c.run()) << c.call;
    }
}

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "java/io/ByteArrayInputStream.h"
#include "java/io/ByteArrayOutputStream.h"
#include "java/io/File.h"
#include "java/io/PrintStream.h"
#include "java/lang/ByteJArray.h"
#include "java/lang/Class.h"
#include "java/lang/ClassNotFoundException.h"
#include "java/lang/IntJArray.h"
#include "java/lang/Integer.h"
#include "java/lang/RuntimeException.h"
#include "java/lang/String.h"
#include "java/lang/StringBuffer.h"
#include "java/lang/StringJArray.h"
#include "java/lang/System.h"
#include "java/math/BigInteger.h"
#include "java/security/MessageDigest.h"
#include "java/security/Principal.h"
#include "java/security/cert/CertificateFactory.h"
#include "java/security/cert/X509Certificate.h"
#include "java/text/SimpleDateFormat.h"
#include "java/util/Date.h"
#include "java/util/Hashtable.h"
#include "java/util/Properties.h"
#include "javax/crypto/Cipher.h"
#include "tests/native/NativeppTestSupport.h"

// The platform classes used through their proxies, as a C++ program would use them.
using ProxiesInUse = NativeppTest;

namespace {

using java::lang::String;

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

// A self-signed certificate (EC P-256, "CN=Tarvelo Test", serial 4660), DER-encoded.
const unsigned char kCertificate[] = {
    0x30, 0x82, 0x01, 0x73, 0x30, 0x82, 0x01, 0x19, 0xa0, 0x03, 0x02, 0x01, 0x02, 0x02, 0x02, 0x12,
    0x34, 0x30, 0x0a, 0x06, 0x08, 0x2a, 0x86, 0x48, 0xce, 0x3d, 0x04, 0x03, 0x02, 0x30, 0x17, 0x31,
    0x15, 0x30, 0x13, 0x06, 0x03, 0x55, 0x04, 0x03, 0x0c, 0x0c, 0x54, 0x61, 0x72, 0x76, 0x65, 0x6c,
    0x6f, 0x20, 0x54, 0x65, 0x73, 0x74, 0x30, 0x20, 0x17, 0x0d, 0x32, 0x36, 0x31, 0x32, 0x30, 0x39,
    0x31, 0x31, 0x33, 0x34, 0x35, 0x33, 0x5a, 0x18, 0x0f, 0x32, 0x31, 0x32, 0x36, 0x31, 0x31, 0x31,
    0x35, 0x31, 0x31, 0x33, 0x34, 0x35, 0x33, 0x5a, 0x30, 0x17, 0x31, 0x15, 0x30, 0x13, 0x06, 0x03,
    0x55, 0x04, 0x03, 0x0c, 0x0c, 0x54, 0x61, 0x72, 0x76, 0x65, 0x6c, 0x6f, 0x20, 0x54, 0x65, 0x73,
    0x74, 0x30, 0x59, 0x30, 0x13, 0x06, 0x07, 0x2a, 0x86, 0x48, 0xce, 0x3d, 0x02, 0x01, 0x06, 0x08,
    0x2a, 0x86, 0x48, 0xce, 0x3d, 0x03, 0x01, 0x07, 0x03, 0x42, 0x00, 0x04, 0x46, 0x87, 0xb8, 0x78,
    0xa1, 0x6c, 0xbf, 0x3d, 0x00, 0x0d, 0x22, 0xa5, 0x3e, 0x2d, 0xed, 0x65, 0x5a, 0x09, 0x27, 0xa5,
    0x8b, 0xc1, 0xc7, 0x59, 0xce, 0xd9, 0x3b, 0x33, 0xff, 0x6e, 0x79, 0x64, 0x75, 0x32, 0x69, 0xef,
    0x25, 0xb7, 0x54, 0x24, 0x1c, 0x53, 0xa1, 0xb3, 0xec, 0x23, 0x98, 0xdc, 0x81, 0xa0, 0x5a, 0xb5,
    0xb9, 0x16, 0xd7, 0x92, 0x5f, 0x67, 0xca, 0x67, 0x4c, 0xd6, 0x76, 0xc2, 0xa3, 0x53, 0x30, 0x51,
    0x30, 0x1d, 0x06, 0x03, 0x55, 0x1d, 0x0e, 0x04, 0x16, 0x04, 0x14, 0x80, 0x39, 0xd4, 0x06, 0x1d,
    0xd5, 0x92, 0x5a, 0xdf, 0x64, 0xd9, 0xc5, 0x17, 0x48, 0x22, 0x1c, 0x78, 0xdc, 0xb6, 0xfc, 0x30,
    0x1f, 0x06, 0x03, 0x55, 0x1d, 0x23, 0x04, 0x18, 0x30, 0x16, 0x80, 0x14, 0x80, 0x39, 0xd4, 0x06,
    0x1d, 0xd5, 0x92, 0x5a, 0xdf, 0x64, 0xd9, 0xc5, 0x17, 0x48, 0x22, 0x1c, 0x78, 0xdc, 0xb6, 0xfc,
    0x30, 0x0f, 0x06, 0x03, 0x55, 0x1d, 0x13, 0x01, 0x01, 0xff, 0x04, 0x05, 0x30, 0x03, 0x01, 0x01,
    0xff, 0x30, 0x0a, 0x06, 0x08, 0x2a, 0x86, 0x48, 0xce, 0x3d, 0x04, 0x03, 0x02, 0x03, 0x48, 0x00,
    0x30, 0x45, 0x02, 0x20, 0x0d, 0x1b, 0x25, 0x01, 0x33, 0x66, 0x0c, 0x61, 0x76, 0x37, 0x0c, 0x62,
    0xe1, 0xf3, 0x38, 0x53, 0xf7, 0x02, 0x45, 0x9a, 0x95, 0x5a, 0x13, 0x70, 0xd7, 0x0e, 0x4f, 0xdf,
    0xff, 0x5a, 0xbe, 0xd2, 0x02, 0x21, 0x00, 0xd8, 0x67, 0x9f, 0x1e, 0x13, 0x8c, 0xe2, 0xcf, 0xff,
    0xf9, 0x7b, 0x3a, 0xc7, 0x46, 0x76, 0x16, 0xec, 0x1f, 0xcd, 0x64, 0xb3, 0xfb, 0x04, 0xf9, 0x45,
    0x9f, 0x6a, 0x83, 0xa1, 0x41, 0x8b, 0xfe
};

}  // namespace

TEST_F(ProxiesInUse, StringsConvertAndConcatenate) {
    struct Case {
        std::string utf8;
        std::wstring wide;
        int javaLength;
    };
    for (const Case& c : {Case{"plain", L"plain", 5}, Case{"gr\u00fc\u00df \u20ac\U0001F600", L"gr\u00fc\u00df \u20ac\U0001F600", 8},
                          Case{"", L"", 0}}) {
        String fromNarrow(c.utf8);
        String fromWide(c.wide);
        EXPECT_EQ(c.javaLength, fromNarrow.length()) << c.utf8;
        EXPECT_EQ(c.utf8, static_cast<std::string>(fromWide));
        EXPECT_EQ(c.wide, static_cast<std::wstring>(fromNarrow));
        EXPECT_TRUE(fromNarrow.equals(fromWide));
    }
    EXPECT_EQ("a1", static_cast<std::string>(String("a") + 1));
    EXPECT_EQ("a2.5", static_cast<std::string>(String("a") + 2.5));
    String text("a");
    String before = text;
    text += "b";
    text += 3;
    EXPECT_EQ("ab3", static_cast<std::string>(text));
    EXPECT_EQ("a", static_cast<std::string>(before));
}

TEST_F(ProxiesInUse, StringBufferEdits) {
    java::lang::StringBuffer buffer("hello");
    buffer.append(" world");
    buffer.append(42);
    buffer.insert(0, ">");
    EXPECT_EQ(">hello world42", static_cast<std::string>(buffer.toString()));
    buffer.delete$(0, 1);
    buffer.replace(0, 5, "HELLO");
    buffer.setLength(buffer.length() - 2);
    EXPECT_EQ("HELLO world", static_cast<std::string>(buffer.toString()));
    EXPECT_EQ("dlrow OLLEH", static_cast<std::string>(buffer.reverse().toString()));
}

TEST_F(ProxiesInUse, IntegerStaticsAndParsing) {
    // The proxy of an object static field keeps its value's reference from its first use.
    checkGlobalBalance = false;
    EXPECT_EQ(2147483647, java::lang::Integer::MAX_VALUE->get());
    EXPECT_EQ(-2147483647 - 1, java::lang::Integer::MIN_VALUE->get());
    EXPECT_EQ("int", static_cast<std::string>(java::lang::Integer::TYPE->getName()));
    EXPECT_EQ(-123, java::lang::Integer::parseInt("-123"));
    EXPECT_EQ(255, java::lang::Integer::parseInt("ff", 16));
    EXPECT_EQ(16, java::lang::Integer::decode("0x10").intValue());
    EXPECT_EQ("ff", static_cast<std::string>(java::lang::Integer::toHexString(255)));
    EXPECT_EQ("101", static_cast<std::string>(java::lang::Integer::toBinaryString(5)));
    std::string message = "<no exception>";
    try {
        java::lang::Integer::parseInt("twelve");
    } catch (java::lang::RuntimeException& e) {  // NumberFormatException, by its nearest proxy
        message = static_cast<std::string>(e.getMessage());
    }
    EXPECT_EQ("For input string: \"twelve\"", message);
}

TEST_F(ProxiesInUse, SystemPropertiesAndStandardOutput) {
    // The proxy of an object static field keeps its value's reference from its first use.
    checkGlobalBalance = false;
    EXPECT_EQ("/", static_cast<std::string>(java::lang::System::getProperty("file.separator")));
    EXPECT_EQ("UTC", static_cast<std::string>(java::lang::System::getProperty("user.timezone")));
    java::lang::System::setProperty("tarvelo.test.colour", "green");
    EXPECT_EQ("green", static_cast<std::string>(java::lang::System::getProperty("tarvelo.test.colour")));
    EXPECT_EQ("none", static_cast<std::string>(java::lang::System::getProperty("tarvelo.test.absent", "none")));
    std::string printed = standardOutputOf([] {
        java::lang::System::out->println("printed by Java");
        java::lang::System::out->flush();
    });
    EXPECT_EQ("printed by Java\n", printed);
}

TEST_F(ProxiesInUse, PropertiesWithDefaultsAndHashtable) {
    java::util::Properties defaults(_nativeppNewInstanceParamDiscriminator);
    defaults.setProperty("colour", "blue");
    defaults.setProperty("size", "large");
    java::util::Properties properties(defaults, _nativeppNewInstanceParamDiscriminator);
    properties.setProperty("colour", "red");
    EXPECT_EQ("red", static_cast<std::string>(properties.getProperty("colour")));
    EXPECT_EQ("large", static_cast<std::string>(properties.getProperty("size")));
    EXPECT_EQ("none", static_cast<std::string>(properties.getProperty("shape", "none")));
    EXPECT_EQ(1, properties.size());
    EXPECT_EQ("blue", static_cast<std::string>(properties.defaults->getProperty("colour")));

    java::util::Hashtable table(_nativeppNewInstanceParamDiscriminator);
    table.put(String("one"), java::lang::Integer(1));
    table.put(String("two"), java::lang::Integer(2));
    EXPECT_EQ(2, table.size());
    EXPECT_TRUE(table.containsKey(String("two")));
    EXPECT_EQ(2, java::lang::Integer::cast$(table.get(String("two"))).intValue());
    table.remove(String("two"));
    EXPECT_FALSE(table.containsKey(String("two")));
    EXPECT_EQ("{one=1}", static_cast<std::string>(table.toString()));
}

TEST_F(ProxiesInUse, DatesFormatAFixedInstantInUTC) {
    java::util::Date instant(1000000000000LL);
    EXPECT_EQ(1000000000000LL, instant.getTime());
    EXPECT_EQ("9 Sep 2001 01:46:40 GMT", static_cast<std::string>(instant.toGMTString()));
    java::text::SimpleDateFormat format("yyyy-MM-dd'T'HH:mm:ss z");
    EXPECT_EQ("2001-09-09T01:46:40 UTC", static_cast<std::string>(format.format(instant)));
    EXPECT_EQ(1000000000000LL, format.parse("2001-09-09T01:46:40 UTC").getTime());
}

TEST_F(ProxiesInUse, FileInATemporaryDirectory) {
    char directory[] = "/tmp/tarvelo-proxies-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(directory));
    java::io::File file(java::io::File(directory), "made.txt");
    std::string path = static_cast<std::string>(file.getPath());
    EXPECT_EQ(std::string(directory) + "/made.txt", path);
    EXPECT_FALSE(file.exists());
    EXPECT_TRUE(file.createNewFile());
    struct stat seen;
    EXPECT_EQ(0, stat(path.c_str(), &seen));
    EXPECT_TRUE(file.exists());
    EXPECT_TRUE(file.delete$());
    EXPECT_FALSE(file.exists());
    EXPECT_EQ(0, rmdir(directory));
}

TEST_F(ProxiesInUse, ByteArrayStreamsAndTheirFields) {
    java::io::ByteArrayOutputStream out(_nativeppNewInstanceParamDiscriminator);
    for (char c : std::string("tarvelo")) {
        out.write(c);
    }
    EXPECT_EQ(7, out.size());
    EXPECT_EQ(7, out.count.get());
    EXPECT_EQ("tarvelo", static_cast<std::string>(out.toString()));

    java::io::ByteArrayInputStream in(out.toByteArray());
    EXPECT_EQ(0, in.pos.get());
    EXPECT_EQ(7, in.count.get());
    EXPECT_EQ('t', in.read());
    EXPECT_EQ(1, in.pos.get());
    java::lang::ByteJArray chunk(3);
    EXPECT_EQ(3, in.read(chunk, 0, 3));
    EXPECT_EQ(4, in.pos.get());
    EXPECT_EQ("617276", hex(chunk));
    in.mark(0);
    EXPECT_EQ(4, in.mark$.get());
    EXPECT_EQ(3, in.skip(10));
    EXPECT_EQ(-1, in.read());
    in.reset();
    EXPECT_EQ(4, in.pos.get());
    EXPECT_EQ(3, in.available());
}

TEST_F(ProxiesInUse, BigIntegerArithmetic) {
    // The proxy of an object static field keeps its value's reference from its first use.
    checkGlobalBalance = false;
    using java::math::BigInteger;
    BigInteger twelve("12");
    struct Case {
        const char* operation;
        BigInteger result;
        const char* expected;
    };
    for (Case c : {Case{"pow", BigInteger("2").pow(100), "1267650600228229401496703205376"},
                   Case{"mod", BigInteger("2").pow(100).mod(BigInteger("97")), "16"},
                   Case{"gcd", BigInteger("462").gcd(BigInteger("1071")), "21"},
                   Case{"and$", twelve.and$(BigInteger("10")), "8"}, Case{"or$", twelve.or$(BigInteger("10")), "14"},
                   Case{"xor$", twelve.xor$(BigInteger("10")), "6"}, Case{"not$", twelve.not$(), "-13"},
                   Case{"ONE", *BigInteger::ONE, "1"}}) {
        EXPECT_EQ(c.expected, static_cast<std::string>(c.result.toString())) << c.operation;
    }
}

TEST_F(ProxiesInUse, MessageDigestAndCipherConstants) {
    java::security::MessageDigest sha = java::security::MessageDigest::getInstance("SHA-256");
    EXPECT_EQ("SHA-256", static_cast<std::string>(sha.getAlgorithm()));
    EXPECT_EQ("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad", hex(sha.digest(String("abc").getBytes())));
    struct Case {
        const char* name;
        nativepp::NativeppInt* field;
        int value;
    };
    for (const Case& c : {Case{"ENCRYPT_MODE", javax::crypto::Cipher::ENCRYPT_MODE, 1},
                          Case{"DECRYPT_MODE", javax::crypto::Cipher::DECRYPT_MODE, 2},
                          Case{"WRAP_MODE", javax::crypto::Cipher::WRAP_MODE, 3},
                          Case{"UNWRAP_MODE", javax::crypto::Cipher::UNWRAP_MODE, 4},
                          Case{"PUBLIC_KEY", javax::crypto::Cipher::PUBLIC_KEY, 1},
                          Case{"PRIVATE_KEY", javax::crypto::Cipher::PRIVATE_KEY, 2},
                          Case{"SECRET_KEY", javax::crypto::Cipher::SECRET_KEY, 3}}) {
        EXPECT_EQ(c.value, c.field->get()) << c.name;
    }
}

TEST_F(ProxiesInUse, ACertificateParsedFromItsBytes) {
    java::lang::ByteJArray der(sizeof kCertificate, reinterpret_cast<const signed char*>(kCertificate));
    java::io::ByteArrayInputStream in(der);
    java::security::cert::CertificateFactory factory = java::security::cert::CertificateFactory::getInstance("X.509");
    java::security::cert::X509Certificate certificate =
        java::security::cert::X509Certificate::cast$(factory.generateCertificate(in));
    EXPECT_EQ("X.509", static_cast<std::string>(certificate.getType()));
    EXPECT_EQ("CN=Tarvelo Test", static_cast<std::string>(certificate.getSubjectDN().getName()));
    EXPECT_EQ(4660, certificate.getSerialNumber().intValue());
    EXPECT_EQ(static_cast<int>(sizeof kCertificate), certificate.getEncoded().length.get());
}

TEST_F(ProxiesInUse, AMissingClassIsCaughtAsItsProxy) {
    EXPECT_EQ("java.lang.String", static_cast<std::string>(java::lang::Class::forName("java.lang.String").getName()));
    std::string message = "<no exception>";
    try {
        java::lang::Class::forName("com.drovantel.tarvelo.NoSuchClass");
    } catch (java::lang::ClassNotFoundException& e) {
        message = static_cast<std::string>(e.getMessage());
    }
    // Looked up by the boot loader (no Java caller), the class is named in internal form.
    EXPECT_EQ("com/drovantel/tarvelo/NoSuchClass", message);
}

TEST_F(ProxiesInUse, ArraysThroughIndexAndBulkCopies) {
    java::lang::IntJArray squares(4);
    for (int i = 0; i < 4; ++i) {
        squares[i] = i * i;
    }
    int copied[4] = {};
    squares.get(copied);
    EXPECT_EQ(std::vector<int>({0, 1, 4, 9}), std::vector<int>(copied, copied + 4));
    const int replacement[2] = {7, 8};
    squares.set(1, 2, replacement);
    EXPECT_EQ(7, squares[1].get());
    EXPECT_EQ(8, squares[2].get());
    EXPECT_EQ(4, squares.length.get());

    java::lang::StringJArray words = String("a,b,c").split(",");
    EXPECT_EQ(3, words.length.get());
    EXPECT_EQ("b", static_cast<std::string>(words[1]));
    words[1] = String("B");
    java::lang::StringJArray again(words);
    EXPECT_EQ("B", static_cast<std::string>(again[1]));
}

TEST_F(ProxiesInUse, NullByPointerAndEqualityOfCopies) {
    java::lang::StringBuffer buffer("x");
    buffer.append(static_cast<String*>(nullptr));
    EXPECT_EQ("xnull", static_cast<std::string>(buffer.toString()));
    String text("same");
    EXPECT_FALSE(text.equals(static_cast<java::lang::Object*>(nullptr)));

    String copy(text);
    String other("same");
    EXPECT_TRUE(text == copy);
    EXPECT_FALSE(text != copy);
    EXPECT_TRUE(text != other);
    EXPECT_TRUE(text.equals(other));
}

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "java/io/ByteArrayOutputStream.h"
#include "java/io/FilterOutputStream.h"
#include "java/io/PrintStream.h"
#include "java/lang/Exception.h"
#include "java/lang/RuntimeException.h"
#include "java/lang/String.h"
#include "java/util/Hashtable.h"
#include "tests/native/NativeppTestSupport.h"

using java::lang::String;

namespace {

using ProxyConstructors = NativeppTest;

// A pointer constructor may delete its argument: it must never be chosen to make a by-value
// argument or a copy out of &local.
static_assert(!std::is_convertible_v<String*, String>);
static_assert(!std::is_convertible_v<String*, java::lang::Object>);
static_assert(!std::is_convertible_v<java::lang::Exception*, java::lang::Throwable>);
static_assert(std::is_constructible_v<String, String*>);

auto& tag = _nativeppNewInstanceParamDiscriminator;

struct Construction {
    const char* java;
    std::function<std::string()> run;
    const char* expected;  // what Java's constructor gives
};

std::string text(String s) { return static_cast<std::string>(s); }

// Whether made wraps inner, as the filter streams' constructors make it.
template <typename Stream>
std::string wraps(Stream& made, java::io::OutputStream& inner) {
    return made.out == inner ? "wraps its argument" : "does not wrap its argument";
}

}  // namespace

// A Java constructor whose one parameter is the class or a supertype is reached with the tag,
// also given an object of the class itself; a copy stays a second reference.
TEST_F(ProxyConstructors, EveryJavaConstructorIsReachedWithAnArgumentOfItsOwnClass) {
    const std::vector<Construction> constructions = {
        {"new Exception(Exception)",
         [] {
             java::lang::Exception cause(String("inner"));
             return text(java::lang::Exception(cause, tag).toString());
         },
         "java.lang.Exception: java.lang.Exception: inner"},
        {"new RuntimeException(RuntimeException)",
         [] {
             java::lang::RuntimeException cause(String("inner"));
             return text(java::lang::RuntimeException(&cause, tag).toString());
         },
         "java.lang.RuntimeException: java.lang.RuntimeException: inner"},
        {"new Hashtable(Hashtable), then put into the new one",
         [] {
             java::util::Hashtable table(tag);
             table.put(String("a"), String("1"));
             java::util::Hashtable made(table, tag);
             made.put(String("b"), String("2"));
             return std::to_string(table.size()) + " " + std::to_string(made.size());
         },
         "1 2"},
        {"new PrintStream(PrintStream)",
         [] {
             java::io::ByteArrayOutputStream bytes(tag);
             java::io::PrintStream inner(bytes, tag);
             java::io::PrintStream made(inner, tag);
             return wraps(made, inner);
         },
         "wraps its argument"},
        {"new FilterOutputStream(FilterOutputStream)",
         [] {
             java::io::ByteArrayOutputStream bytes(tag);
             java::io::FilterOutputStream inner(bytes, tag);
             java::io::FilterOutputStream made(&inner, tag);
             return wraps(made, inner);
         },
         "wraps its argument"},
        {"copy of an Exception",
         [] {
             java::lang::Exception original(String("inner"));
             java::lang::Exception copy(original);
             return std::string(copy == original ? "same object" : "new object");
         },
         "same object"},
    };
    for (const Construction& c : constructions) {
        EXPECT_EQ(c.expected, c.run()) << c.java;
    }
}

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <new>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "java/lang/RuntimeException.h"
#include "java/lang/String.h"
#include "nativepp/NativeppString.h"
#include "tests/native/FailingAllocation.h"
#include "tests/native/JNICallCounter.h"
#include "tests/native/NativeppTestSupport.h"

using nativepp::NativeppJObjectLocal;
using nativepp::NativeppString;

namespace {

class NativeppStrings : public NativeppTest {
protected:
    // The Java chars of a Java string.
    std::vector<jchar> charsOf(const NativeppJObjectLocal& s) {
        auto str = static_cast<jstring>(s.getJObject());
        std::vector<jchar> chars(env->GetStringLength(str));
        env->GetStringRegion(str, 0, static_cast<jsize>(chars.size()), chars.data());
        EXPECT_FALSE(env->ExceptionCheck());
        return chars;
    }

    NativeppJObjectLocal javaString(const std::vector<jchar>& chars) {
        jstring s = env->NewString(chars.data(), static_cast<jsize>(chars.size()));
        EXPECT_FALSE(env->ExceptionCheck());
        return NativeppJObjectLocal(s, env);
    }
};

}  // namespace

TEST_F(NativeppStrings, EmptyNarrowAndWideStringsGiveEmptyJavaStrings) {
    EXPECT_TRUE(charsOf(NativeppString::newJStringWrapper("", env)).empty());
    EXPECT_TRUE(charsOf(NativeppString::newJStringWrapper(L"", env)).empty());
    EXPECT_TRUE(charsOf(NativeppString::newJStringWrapper(std::string(), env)).empty());
    EXPECT_TRUE(charsOf(NativeppString::newJStringWrapper(std::wstring(), env)).empty());
    NativeppJObjectLocal empty = NativeppString::newJStringWrapper("", env);
    EXPECT_EQ("", NativeppString::getStringUTFChars(empty, env));
    EXPECT_EQ(L"", NativeppString::getStringChars(empty, env));
}

TEST_F(NativeppStrings, AWideCodePointAboveTheBasicPlaneBecomesASurrogatePair) {
    const wchar_t grinning[] = {0x1F600, 0};
    EXPECT_EQ((std::vector<jchar>{0xD83D, 0xDE00}), charsOf(NativeppString::newJStringWrapper(grinning, env)));
}

TEST_F(NativeppStrings, ASurrogatePairBecomesOneWideCharacter) {
    NativeppJObjectLocal s = javaString({0xD83D, 0xDE00});
    EXPECT_EQ(std::wstring(1, wchar_t(0x1F600)), NativeppString::getStringChars(s, env));
}

TEST_F(NativeppStrings, AnEmbeddedNulSurvivesBothStandardStringForms) {
    NativeppJObjectLocal s = javaString({'a', 'b', 0, 'c', 'd'});
    EXPECT_EQ(std::wstring(L"ab\0cd", 5), NativeppString::getStringChars(s, env));
    EXPECT_EQ(std::string("ab\0cd", 5), NativeppString::getStringUTFChars(s, env));
}

TEST_F(NativeppStrings, CStringsEndAtTheirFirstNulButStandardStringsConvertWhole) {
    EXPECT_EQ((std::vector<jchar>{'a'}), charsOf(NativeppString::newJStringWrapper("a\0b", env)));
    EXPECT_EQ((std::vector<jchar>{'a'}), charsOf(NativeppString::newJStringWrapper(L"a\0b", env)));
    EXPECT_EQ((std::vector<jchar>{'a', 0, 'b'}),
              charsOf(NativeppString::newJStringWrapper(std::string("a\0b", 3), env)));
    EXPECT_EQ((std::vector<jchar>{'a', 0, 'b'}),
              charsOf(NativeppString::newJStringWrapper(std::wstring(L"a\0b", 3), env)));
}

TEST_F(NativeppStrings, ANullStringRaisesTheMappedNullPointerExceptionWithoutAGetCall) {
    java::lang::String emptyProxy;
    NativeppJObjectLocal emptyHolder;
    JNICallCounter counter;
    int raised = 0;
    const std::vector<std::function<void()>> conversions = {
        [&] { NativeppString::getStringUTFChars(emptyHolder, env); },
        [&] { NativeppString::getStringChars(emptyHolder, env); },
        [&] { NativeppString::getStringUTFChars(&emptyProxy, env); },
        [&] { NativeppString::getStringChars(&emptyProxy, env); },
    };
    for (const auto& convert : conversions) {
        try {
            convert();
        } catch (java::lang::RuntimeException&) {
            ++raised;
        }
    }
    EXPECT_EQ(4, raised);
    EXPECT_EQ(0, counter.calls("GetStringUTFChars(null)") + counter.calls("GetStringChars(null)") +
                     counter.calls("GetStringLength(null)"));
}

TEST_F(NativeppStrings, AFailedCopyOfTheTextKeepsNoReference) {
    // Long enough that only the copy of the text asks for this much memory.
    const size_t length = 4000;
    NativeppJObjectLocal s = NativeppString::newJStringWrapper(std::string(length, 'x'), env);
    const std::vector<std::function<void()>> conversions = {
        [&] { NativeppString::getStringUTFChars(s, env); },
        [&] { NativeppString::getStringChars(s, env); },
    };
    for (size_t i = 0; i < conversions.size(); ++i) {
        JNICallCounter counter;
        const int localsBefore = liveLocalReferences(env);
        {
            FailingAllocation failing(length);
            EXPECT_THROW(conversions[i](), std::bad_alloc) << "conversion " << i;
            EXPECT_TRUE(failing.failed()) << "conversion " << i;
        }
        EXPECT_EQ(localsBefore, liveLocalReferences(env)) << "conversion " << i;
        EXPECT_EQ(counter.calls("GetStringUTFChars") + counter.calls("GetStringChars"),
                  counter.calls("ReleaseStringUTFChars") + counter.calls("ReleaseStringChars"))
            << "conversion " << i;
    }
}

namespace {

// One text in every form: what goes in narrow and wide, the Java chars that both become, and
// what those chars come back as, narrow (UTF-8) and wide (UTF-32).
struct TextCase {
    const char* name;
    std::string narrow;
    std::wstring wide;
    std::vector<jchar> chars;
    std::string narrowOut;
    std::wstring wideOut;
};

// A text that comes back as it went in.
TextCase same(const char* name, const std::string& narrow, const std::wstring& wide, std::vector<jchar> chars) {
    return {name, narrow, wide, std::move(chars), narrow, wide};
}

void PrintTo(const TextCase& text, std::ostream* os) { *os << text.name; }

std::wstring wide(std::initializer_list<wchar_t> chars) { return chars; }

const jchar REPLACEMENT = 0xFFFD;
const char* const REPLACEMENT_UTF8 = "\xEF\xBF\xBD";

class NativeppStringRoundTrip : public NativeppStrings, public testing::WithParamInterface<TextCase> {
protected:
    using NativeppStrings::charsOf;
    std::vector<jchar> charsOf(java::lang::String& proxy) {
        return NativeppStrings::charsOf(proxy.nativeppGetJObjectLocalWrapper(env));
    }
    // The forms that stop at a NUL are given only texts that hold none.
    static bool holdsNul(const std::string& s) { return s.find('\0') != std::string::npos; }
    static bool holdsNul(const std::wstring& s) { return s.find(L'\0') != std::wstring::npos; }
};

}  // namespace

TEST_P(NativeppStringRoundTrip, NativeppStringConvertsBothWays) {
    const TextCase& text = GetParam();
    EXPECT_EQ(text.chars, charsOf(NativeppString::newJStringWrapper(text.narrow, env)));
    EXPECT_EQ(text.chars, charsOf(NativeppString::newJStringWrapper(text.wide, env)));
    if (!holdsNul(text.narrow)) {
        EXPECT_EQ(text.chars, charsOf(NativeppString::newJStringWrapper(text.narrow.c_str(), env)));
    }
    if (!holdsNul(text.wide)) {
        EXPECT_EQ(text.chars, charsOf(NativeppString::newJStringWrapper(text.wide.c_str(), env)));
    }
    NativeppJObjectLocal java = javaString(text.chars);
    EXPECT_EQ(text.narrowOut, NativeppString::getStringUTFChars(java, env));
    EXPECT_EQ(text.wideOut, NativeppString::getStringChars(java, env));
}

TEST_P(NativeppStringRoundTrip, ProxyTextConvertsBothWays) {
    const TextCase& text = GetParam();
    java::lang::String fromNarrow(text.narrow);
    java::lang::String fromWide(text.wide);
    EXPECT_EQ(text.chars, charsOf(fromNarrow));
    EXPECT_EQ(text.chars, charsOf(fromWide));
    java::lang::String assigned;
    assigned = text.narrow;
    EXPECT_EQ(text.chars, charsOf(assigned));
    assigned = text.wide;
    EXPECT_EQ(text.chars, charsOf(assigned));
    if (!holdsNul(text.narrow)) {
        java::lang::String fromCString(text.narrow.c_str());
        EXPECT_EQ(text.chars, charsOf(fromCString));
        assigned = text.narrow.c_str();
        EXPECT_EQ(text.chars, charsOf(assigned));
    }
    if (!holdsNul(text.wide)) {
        java::lang::String fromCString(text.wide.c_str());
        EXPECT_EQ(text.chars, charsOf(fromCString));
        assigned = text.wide.c_str();
        EXPECT_EQ(text.chars, charsOf(assigned));
    }
    jstring javaText = static_cast<jstring>(env->NewString(text.chars.data(), static_cast<jsize>(text.chars.size())));
    ASSERT_FALSE(env->ExceptionCheck());
    java::lang::String fromJava(javaText);
    EXPECT_EQ(text.narrowOut, static_cast<std::string>(fromJava));
    EXPECT_EQ(text.wideOut, static_cast<std::wstring>(fromJava));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NativeppStringRoundTrip,
    testing::Values(
        same("Ascii", "abc", L"abc", {'a', 'b', 'c'}),
        same("TwoByteUtf8", "\xC3\xA9t\xC3\xA9", L"\u00E9t\u00E9", {0xE9, 't', 0xE9}),
        same("ThreeByteUtf8", "\xE2\x82\xAC", L"\u20AC", {0x20AC}),
        same("FourByteUtf8", "a\xF0\x9F\x98\x80", L"a\U0001F600", {'a', 0xD83D, 0xDE00}),
        same("EmbeddedNul", std::string("a\0b", 3), std::wstring(L"a\0b", 3), {'a', 0, 'b'}),
        same("Empty", "", L"", {}),
        // Modified UTF-8 and UTF-16 in wchar_t, as JNI and older callers write them, still read.
        TextCase{"ModifiedUtf8Nul", "a\xC0\x80" "b", std::wstring(L"a\0b", 3), {'a', 0, 'b'},
                 std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
        TextCase{"SurrogatePairIn", "\xED\xA0\xBD\xED\xB8\x80", wide({0xD83D, 0xDE00}), {0xD83D, 0xDE00},
                 "\xF0\x9F\x98\x80", L"\U0001F600"},
        TextCase{"LoneSurrogate", "a\xED\xA0\x80" "b", wide({'a', 0xD800, 'b'}), {'a', 0xD800, 'b'},
                 std::string("a") + REPLACEMENT_UTF8 + "b", L"a\uFFFDb"},
        // Each malformed sequence, up to the byte that breaks it, reads as one U+FFFD.
        TextCase{"Malformed", "\xFF" "a\xE2\x82" "b\xC0\xAF", L"\uFFFDa\uFFFDb\uFFFD\uFFFD",
                 {REPLACEMENT, 'a', REPLACEMENT, 'b', REPLACEMENT, REPLACEMENT},
                 std::string(REPLACEMENT_UTF8) + "a" + REPLACEMENT_UTF8 + "b" + REPLACEMENT_UTF8 + REPLACEMENT_UTF8,
                 L"\uFFFDa\uFFFDb\uFFFD\uFFFD"},
        TextCase{"TruncatedAtTheEnd", "a\xF0\x9F\x98", wide({'a', 0x110000}), {'a', REPLACEMENT},
                 std::string("a") + REPLACEMENT_UTF8, L"a\uFFFD"},
        TextCase{"AboveU10FFFF", "\xF4\x90", wide({wchar_t(-1), 0x110000}), {REPLACEMENT, REPLACEMENT},
                 std::string(REPLACEMENT_UTF8) + REPLACEMENT_UTF8, L"\uFFFD\uFFFD"}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

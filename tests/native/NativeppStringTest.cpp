#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <string>
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

TEST_F(NativeppStrings, AWideCodePointAboveTheBasicPlaneKeepsItsLow16Bits) {
    const wchar_t grinning[] = {0x1F600, 0};
    EXPECT_EQ(std::vector<jchar>{0xF600}, charsOf(NativeppString::newJStringWrapper(grinning, env)));
}

TEST_F(NativeppStrings, ASurrogatePairBecomesTwoWideCharacters) {
    NativeppJObjectLocal s = javaString({0xD83D, 0xDE00});
    EXPECT_EQ((std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}), NativeppString::getStringChars(s, env));
}

TEST_F(NativeppStrings, AnEmbeddedNulEndsTheWideFormButNotTheModifiedUtf8Form) {
    NativeppJObjectLocal s = javaString({'a', 'b', 0, 'c', 'd'});
    EXPECT_EQ(L"ab", NativeppString::getStringChars(s, env));
    EXPECT_EQ(std::string("ab\xC0\x80" "cd"), NativeppString::getStringUTFChars(s, env));
}

TEST_F(NativeppStrings, NativeTextAfterAnEmbeddedNulIsNotConverted) {
    EXPECT_EQ((std::vector<jchar>{'a'}), charsOf(NativeppString::newJStringWrapper(std::string("a\0b", 3), env)));
    EXPECT_EQ((std::vector<jchar>{'a'}), charsOf(NativeppString::newJStringWrapper(std::wstring(L"a\0b", 3), env)));
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
    EXPECT_EQ(0, counter.calls("GetStringUTFChars(null)") + counter.calls("GetStringChars"));
}

TEST_F(NativeppStrings, TheJavaCharsAreReleasedWhenCopyingThemFails) {
    // Long enough that only the copy of the text asks for this much memory.
    const size_t length = 4000;
    NativeppJObjectLocal s = NativeppString::newJStringWrapper(std::string(length, 'x'), env);
    const std::vector<std::function<void()>> conversions = {
        [&] { NativeppString::getStringUTFChars(s, env); },
        [&] { NativeppString::getStringChars(s, env); },
    };
    for (size_t i = 0; i < conversions.size(); ++i) {
        JNICallCounter counter;
        {
            FailingAllocation failing(length);
            EXPECT_THROW(conversions[i](), std::bad_alloc) << "conversion " << i;
            EXPECT_TRUE(failing.failed()) << "conversion " << i;
        }
        EXPECT_EQ(1, counter.calls("GetStringUTFChars") + counter.calls("GetStringChars")) << "conversion " << i;
        EXPECT_EQ(1, counter.calls("ReleaseStringUTFChars") + counter.calls("ReleaseStringChars"))
            << "conversion " << i;
    }
}

struct TextCase {
    const char* narrow;
    const wchar_t* wide;
    std::vector<jchar> chars;
};

class NativeppStringRoundTrip : public NativeppStrings, public testing::WithParamInterface<TextCase> {};

TEST_P(NativeppStringRoundTrip, ProxyTextConvertsBothWays) {
    const TextCase& text = GetParam();
    java::lang::String fromNarrow(text.narrow);
    java::lang::String fromWide(text.wide);
    EXPECT_EQ(text.chars, charsOf(fromNarrow.nativeppGetJObjectLocalWrapper(env)));
    EXPECT_EQ(text.chars, charsOf(fromWide.nativeppGetJObjectLocalWrapper(env)));
    EXPECT_EQ(std::string(text.narrow), static_cast<std::string>(fromWide));
    EXPECT_EQ(std::wstring(text.wide), static_cast<std::wstring>(fromNarrow));
    java::lang::String assigned;
    assigned = std::wstring(text.wide);
    EXPECT_EQ(std::string(text.narrow), static_cast<std::string>(assigned));
}

INSTANTIATE_TEST_SUITE_P(Texts, NativeppStringRoundTrip,
                         testing::Values(TextCase{"abc", L"abc", {'a', 'b', 'c'}},
                                         TextCase{"\xC3\xA9t\xC3\xA9", L"\u00E9t\u00E9", {0xE9, 't', 0xE9}},
                                         TextCase{"\xE2\x82\xAC", L"\u20AC", {0x20AC}},
                                         TextCase{"", L"", {}}));

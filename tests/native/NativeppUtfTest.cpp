#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "nativepp/NativeppUtf.h"

using nativepp::NativeppUtf;

// The text before `length` is all there is: a sequence cut there is malformed, even when
// the bytes or units after it would complete it.
TEST(NativeppUtf, NothingPastTheGivenLengthIsRead) {
    EXPECT_EQ(std::vector<jchar>{0xFFFD}, NativeppUtf::utf16FromUtf8("\xE2\x82\xAC", 2));
    EXPECT_EQ(std::vector<jchar>{0xFFFD}, NativeppUtf::utf16FromUtf8("\xC0\x80", 1));
    const jchar pair[] = {0xD83D, 0xDE00};
    EXPECT_EQ("\xEF\xBF\xBD", NativeppUtf::utf8FromUtf16(pair, 1));
    EXPECT_EQ(L"\uFFFD", NativeppUtf::utf32FromUtf16(pair, 1));
}

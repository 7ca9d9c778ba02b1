#include "windows/odbc/WideText.h"

#include <gtest/gtest.h>

namespace karusello::dao {
namespace {

TEST(WideText, TextsSurviveTheWayToTheDriverAndBack) {
    const std::string text = "Grüße, Straße 5 – 10 € \xF0\x9D\x84\x9E";
    const std::u16string wide = Utf16FromUtf8(text);
    EXPECT_EQ(wide, u"Grüße, Straße 5 – 10 € \U0001D11E");
    EXPECT_EQ(Utf8FromUtf16(wide), text);
    EXPECT_EQ(Utf16FromUtf8(""), u"");
}

TEST(WideText, BrokenSequencesBecomeReplacementCharacters) {
    EXPECT_EQ(Utf16FromUtf8("a\xFF"
                            "b"),
              u"a\uFFFDb");
    EXPECT_EQ(Utf16FromUtf8("a\xC3"), u"a\uFFFD");
    EXPECT_EQ(Utf16FromUtf8("\xC0\xAF"), u"\uFFFD");     // overlong "/"
    EXPECT_EQ(Utf16FromUtf8("\xED\xA0\x80"), u"\uFFFD"); // a surrogate in UTF-8
    EXPECT_EQ(Utf8FromUtf16(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
}

} // namespace
} // namespace karusello::dao

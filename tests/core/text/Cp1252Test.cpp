#include "core/text/Cp1252.h"

#include <gtest/gtest.h>

namespace karusello {
namespace {

TEST(Cp1252, LettersAndSignsConvertBothWays) {
    EXPECT_EQ(Cp1252ToUtf8("plain ASCII"), "plain ASCII");
    EXPECT_EQ(Cp1252ToUtf8("Gr\xFC\xDF"
                           "e \x80 \x84zitat\x93 \x96 \x9F \xA0"),
              "Grüße € „zitat“ – Ÿ \u00A0");
    EXPECT_EQ(Utf8ToCp1252("Grüße € „zitat“ – Ÿ"), "Gr\xFC\xDF"
                                                   "e \x80 \x84zitat\x93 \x96 \x9F");
    EXPECT_EQ(Utf8ToCp1252(""), "");
    EXPECT_EQ(Cp1252ToUtf8(std::string_view("\0", 1)), std::string("\0", 1));
}

TEST(Cp1252, EveryByteComesBackUnchanged) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    // The bytes that Windows-1252 leaves unassigned stand for the C1 controls of their number.
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
}

TEST(Cp1252, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
    EXPECT_EQ(Utf8ToCp1252("日本 ok"), "?? ok");
    EXPECT_EQ(Utf8ToCp1252("\U0001F600"), "?");
    EXPECT_EQ(Utf8ToCp1252("\u0080\u0082"), "??"); // C1 controls that have a printable byte
    EXPECT_EQ(Utf8ToCp1252("a\xFF"
                           "b"),
              "a?b");                               // no UTF-8
    EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");           // cut short
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");      // overlong "/"
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "???"); // surrogate
}

} // namespace
} // namespace karusello

#include "core/text/Utf8.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace karusello {
namespace {

struct Read {
    std::optional<char32_t> codePoint;
    std::size_t length;
    friend bool operator==(const Read&, const Read&) = default;
};

Read At(std::string_view text, std::size_t pos = 0) {
    const utf8::Decoded decoded = utf8::DecodeAt(text, pos);
    return {decoded.codePoint, decoded.length};
}

TEST(Utf8, EveryLengthDecodesAndEncodesBack) {
    for (const char32_t codePoint :
         {0x0u, 0x7Fu, 0x80u, 0x7FFu, 0x800u, 0xFFFFu, 0x10000u, 0x10FFFFu}) {
        std::string text = "x";
        utf8::Append(text, codePoint);
        EXPECT_EQ(At(text, 1), (Read{codePoint, text.size() - 1}))
            << std::hex << static_cast<std::uint32_t>(codePoint);
    }
}

TEST(Utf8, ABrokenSequenceTakesItsLeadAndTheContinuationsThatFollow) {
    EXPECT_EQ(At("\xFF"), (Read{std::nullopt, 1}));
    EXPECT_EQ(At("\x80"), (Read{std::nullopt, 1}));             // a continuation without lead
    EXPECT_EQ(At("\xE2\x82"), (Read{std::nullopt, 2}));         // cut short at the end
    EXPECT_EQ(At("\xE2\x82!"), (Read{std::nullopt, 2}));        // cut short by a character
    EXPECT_EQ(At("\xC0\xAF"), (Read{std::nullopt, 2}));         // overlong "/"
    EXPECT_EQ(At("\xED\xA0\x80"), (Read{std::nullopt, 3}));     // a surrogate
    EXPECT_EQ(At("\xF4\x90\x80\x80"), (Read{std::nullopt, 4})); // above U+10FFFF
}

TEST(Utf8, ATextIsValidOnlyWithoutABrokenSequenceAnywhere) {
    EXPECT_TRUE(utf8::IsValid(""));
    EXPECT_TRUE(utf8::IsValid("Gr\xC3\xBC\xC3\x9F Gott \xE2\x82\xAC \xF0\x9F\x8E\xB5"));
    EXPECT_FALSE(utf8::IsValid("Gr\xFC\xDF Gott")); // Windows-1252
    EXPECT_FALSE(utf8::IsValid("fast richtig \xE2\x82"));
    EXPECT_FALSE(utf8::IsValid("\xC1\xBF"));
}

} // namespace
} // namespace karusello

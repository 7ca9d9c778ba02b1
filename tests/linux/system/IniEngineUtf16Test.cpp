// A host INI file in UTF-16 (little-endian, with its byte-order mark), as Windows reads and
// writes it: the ANSI functions see its text in Windows-1252, and a write keeps the file UTF-16.
#include "IniFileTest.h"

#include <vector>

namespace karusello {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

// The bytes of a UTF-16 file with this text.
std::string Utf16(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

using IniEngineUtf16 = testing::IniFileTest;

TEST_F(IniEngineUtf16, IsReadInWindows1252WithAQuestionMarkForWhatItCannotHold) {
    const std::u16string text = u"[Global]\r\n SkinFileName = blau.skn \r\n"
                                u"[Message]\nHandle.DB=12\n"
                                u"Name=\"Grüße €\"\r\n"
                                u"wide=日本\r\n"
                                u"pair=a\U0001F600b\r\n"
                                u"lone=a\xD800\r\n"
                                u"[Āb]\r\nk=hidden\r\n"
                                u"[?b]\r\nk=question\r\n"
                                u"[ÄRGER]\r\nk=folded";
    WriteBytes(ini, Utf16(text));
    EXPECT_EQ(Value("global", "SKINFILENAME"), "blau.skn");
    EXPECT_EQ(Value("Message", "Handle.DB"), "12");
    EXPECT_EQ(Value("Message", "Name"), "Gr\xFC\xDF"
                                        "e \x80");
    EXPECT_EQ(Value("Message", "wide"), "??");
    EXPECT_EQ(Value("Message", "pair"), "a?b"); // a surrogate pair is one character
    EXPECT_EQ(Value("Message", "lone"), "a?");
    // A name with a character that Windows-1252 lacks only looks like "?" when read.
    EXPECT_EQ(Value("?b", "k"), "question");
    EXPECT_EQ(Value("\xE4rger", "k"), "folded");
    EXPECT_EQ(Listing("message"), (std::vector<std::string>{"Handle.DB=12",
                                                            "Name=\"Gr\xFC\xDF"
                                                            "e \x80\"",
                                                            "wide=??", "pair=a?b", "lone=a?"}));
    EXPECT_EQ(Listing("\xC4rger"), std::vector<std::string>{"k=folded"});

    // An odd last byte is no character; a file of nothing but the mark is empty.
    WriteBytes(ini, Utf16(text) + "x");
    EXPECT_EQ(Value("\xC4rger", "k"), "folded");
    WriteBytes(ini, Utf16(u""));
    EXPECT_EQ(Value("Global", "SkinFileName", "dflt"), "dflt");
    EXPECT_TRUE(Listing("Global").empty());
}

TEST_F(IniEngineUtf16, WritesStayUtf16AndKeepEveryCharacterTheyDoNotTouch) {
    const std::u16string start = u"; 設定\r\n[Message]\r\nName=日本\r\nHandle.DB=1\n\r\n"
                                 u"[Last]\r\nk=\U0001F600";
    WriteBytes(ini, Utf16(start) + "!");
    EXPECT_TRUE(Write("Message", "Handle.DB", "77"));
    EXPECT_TRUE(Write("message", "Neu",
                      "Gr\xFC\xDF"
                      "e \x80"));
    EXPECT_TRUE(Write("Last", "k", "x"));
    EXPECT_TRUE(Write("Message", "Handle.DB", "77")); // unchanged: not rewritten
    const std::vector<ini::ProfileWrite> install = {{"PLUGIN", "karusello", "karusello"},
                                                    {"PLUGIN_Menu", "karusello", "Shuffle"}};
    EXPECT_TRUE(ini::WritePrivateProfileStrings(install, ini));
    EXPECT_EQ(ReadBytes(ini), Utf16(u"; 設定\r\n[Message]\r\nName=日本\r\nHandle.DB=77\n"
                                    u"Neu=Grüße €\r\n\r\n"
                                    u"[Last]\r\nk=x\r\n"
                                    u"[PLUGIN]\r\nkarusello=karusello\r\n"
                                    u"[PLUGIN_Menu]\r\nkarusello=Shuffle\r\n") +
                                  "!");
    EXPECT_EQ(Value("Message", "Neu"), "Gr\xFC\xDF"
                                       "e \x80");

    EXPECT_TRUE(Write("Message", "Name", std::nullopt));
    EXPECT_TRUE(Write("Message", "Handle.DB", std::nullopt));
    EXPECT_FALSE(Write("Message", "bad\nkey", "v"));
    EXPECT_EQ(ReadBytes(ini), Utf16(u"; 設定\r\n[Message]\r\n"
                                    u"Neu=Grüße €\r\n\r\n"
                                    u"[Last]\r\nk=x\r\n"
                                    u"[PLUGIN]\r\nkarusello=karusello\r\n"
                                    u"[PLUGIN_Menu]\r\nkarusello=Shuffle\r\n") +
                                  "!");

    // A name with a character that Windows-1252 lacks is not the one the caller means.
    WriteBytes(ini, Utf16(u"[Āb]\r\nk=1\r\n"));
    EXPECT_TRUE(Write("?b", "k", "2"));
    EXPECT_EQ(ReadBytes(ini), Utf16(u"[Āb]\r\nk=1\r\n[?b]\r\nk=2\r\n"));

    // The mark alone: the new section goes in UTF-16 too.
    WriteBytes(ini, Utf16(u""));
    EXPECT_TRUE(Write("S", "k", "v"));
    EXPECT_EQ(ReadBytes(ini), Utf16(u"[S]\r\nk=v\r\n"));
}

} // namespace
} // namespace karusello

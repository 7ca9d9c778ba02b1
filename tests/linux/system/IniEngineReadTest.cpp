#include "IniFileTest.h"

#include <sys/stat.h>

namespace karusello {
namespace {

using testing::WriteBytes;
using namespace std::string_literals;

using IniEngineRead = testing::IniFileTest;

TEST_F(IniEngineRead, NamesMatchWithoutRegardToCaseAndBlanksAroundThem) {
    WriteBytes(ini, "[Global]\r\nSkinFileName=blue.skn\r\n  \tDBName \t=  /data/host.db \t\r\n"
                    "[\xC4rger]\r\n\xD6l=ja\r\n[ Spaced ]\r\nk=v\r\n");
    EXPECT_EQ(Value("GLOBAL", "skinfilename"), "blue.skn");
    EXPECT_EQ(Value("global", "DBNAME"), "/data/host.db");
    EXPECT_EQ(Value(" Global ", " DBName  "), "/data/host.db"); // spaces only: a tab counts
    EXPECT_EQ(Value("\xE4rger", "\xF6L"), "ja");                // Windows-1252 letters fold too
    EXPECT_EQ(Value("spaced", "K"), "v");
}

TEST_F(IniEngineRead, QuotesCommentsAndLinesWithoutEquals) {
    WriteBytes(ini, "[S]\r\n"
                    "dq=\"two words\"\r\n"
                    "sq=' padded '\r\n"
                    "mixed=\"a'\r\n"
                    "inner=a \"b\" c\r\n"
                    "one=\"\r\n"
                    ";hidden=1\r\n"
                    "  ; indented=2\r\n"
                    "inline=5 ; not a comment\r\n"
                    "just a line\r\n"
                    "#hash=3\r\n");
    EXPECT_EQ(Value("S", "dq"), "two words");
    EXPECT_EQ(Value("S", "sq"), " padded ");
    EXPECT_EQ(Value("S", "mixed"), "\"a'");
    EXPECT_EQ(Value("S", "inner"), "a \"b\" c");
    EXPECT_EQ(Value("S", "one"), "\"");
    EXPECT_EQ(Value("S", "hidden", "dflt"), "dflt");
    EXPECT_EQ(Value("S", "; indented", "dflt"), "dflt");
    EXPECT_EQ(Value("S", "inline"), "5 ; not a comment");
    EXPECT_EQ(Value("S", "just a line", "dflt"), "dflt");
    EXPECT_EQ(Value("S", "#hash"), "3");

    const std::vector<std::string> expected{
        "dq=\"two words\"",         "sq=' padded '", "mixed=\"a'", "inner=a \"b\" c", "one=\"",
        "inline=5 ; not a comment", "just a line",   "#hash=3"};
    EXPECT_EQ(Listing("s"), expected);
}

TEST_F(IniEngineRead, FirstDuplicateWinsAndSectionNameEndsAtBracket) {
    WriteBytes(ini, "top=before any section\r\n"
                    "[Dup]\r\nk=first\r\nk=second\r\n"
                    "[Other]\r\nk=other\r\n"
                    "[dup]\r\nk=third\r\nonly=later\r\n"
                    "[Name]trailing] junk\r\nx=1\r\n"
                    "[Open\r\ny=2\r\n");
    EXPECT_EQ(Value("Dup", "k"), "first");
    EXPECT_EQ(Value("Dup", "only", "none"), "none");
    EXPECT_EQ(Listing("DUP"), (std::vector<std::string>{"k=first", "k=second"}));
    EXPECT_EQ(Value("Name", "x"), "1");
    // "[Open" has no "]" and opens a section all the same, as on Windows
    EXPECT_EQ(Value("Name", "y", "none"), "none");
    EXPECT_EQ(Value("Open", "y"), "2");
    EXPECT_EQ(Value("", "top", "none"), "none");
}

TEST_F(IniEngineRead, EveryKindOfLineEndIsRead) {
    WriteBytes(ini, "[A]\r\ncrlf=1\r\n[B]\nlf=2\n[C]\rcr=3\r[D]\n\rmixed=4");
    EXPECT_EQ(Value("A", "crlf"), "1");
    EXPECT_EQ(Value("B", "lf"), "2");
    EXPECT_EQ(Value("C", "cr"), "3");
    EXPECT_EQ(Value("D", "mixed"), "4");
    EXPECT_EQ(Listing("C"), std::vector<std::string>{"cr=3"});
}

TEST_F(IniEngineRead, DefaultsForWhatIsMissingButAnEmptyValueIsPresent) {
    WriteBytes(ini, "[S]\r\nempty=\r\nblank=   \r\nquoted=\"\"\r\n[Empty]\r\n; only a comment\r\n");
    EXPECT_EQ(Value("S", "empty", "dflt"), "");
    EXPECT_EQ(Value("S", "blank", "dflt"), "");
    EXPECT_EQ(Value("S", "quoted", "dflt"), "");
    EXPECT_EQ(Value("S", "missing", "dflt"), "dflt");
    EXPECT_EQ(Value("S", "missing"), "");
    EXPECT_EQ(Value("Nope", "empty", "dflt"), "dflt");
    EXPECT_EQ(ValueOf(folder.File("absent.ini"), "S", "empty", "dflt"), "dflt");
    EXPECT_TRUE(Listing("Empty").empty());
    EXPECT_TRUE(Listing("Nope").empty());
    EXPECT_TRUE(ListingOf(folder.File("absent.ini"), "S").empty());
}

TEST_F(IniEngineRead, ValueIsCutToBufferSizeLessOne) {
    const std::string longValue(300, 'v');
    WriteBytes(ini, "[S]\r\nlong=" + longValue + "\r\nexact=" + std::string(259, 'e') + "\r\n");
    EXPECT_EQ(Value("S", "long"), std::string(259, 'v'));
    EXPECT_EQ(Value("S", "exact"), std::string(259, 'e'));
    EXPECT_EQ(Value("S", "missing", longValue), std::string(259, 'v'));

    std::string small(4, 'x');
    EXPECT_EQ(ini::GetPrivateProfileString("S", "long", std::nullopt, small, ini), 3U);
    EXPECT_EQ(small, std::string("vvv\0", 4));
    std::string one(1, 'x');
    EXPECT_EQ(ini::GetPrivateProfileString("S", "long", std::nullopt, one, ini), 0U);
    EXPECT_EQ(one[0], '\0');
}

TEST_F(IniEngineRead, SectionListingIsCutWithCountSizeLessTwo) {
    std::string content = "[Big]\r\n";
    for (int i = 0; i < 1000; ++i) {
        content += "key" + std::to_string(i) + "=" + std::string(40, 'x') + "\r\n";
    }
    WriteBytes(ini, content);
    std::string buffer(32000, ' ');
    const std::size_t n =
        ini::GetPrivateProfileSection("Big", std::span(buffer.data(), 30000), ini);
    EXPECT_EQ(n, 29998U);
    EXPECT_EQ(buffer[29998], '\0');
    EXPECT_EQ(buffer[29999], '\0');
    EXPECT_EQ(buffer[30000], ' '); // nothing beyond the size handed over
    EXPECT_EQ(buffer.substr(0, 10), std::string("key0=xxxxx"));

    // A listing that just fits is not cut: its count is the lines with their NULs.
    WriteBytes(ini, "[S]\r\na=1\r\nb=2\r\n");
    std::string fits(9, 'x');
    EXPECT_EQ(ini::GetPrivateProfileSection("S", fits, ini), 8U);
    EXPECT_EQ(fits, std::string("a=1\0b=2\0\0", 9));
    std::string tight(8, 'x');
    EXPECT_EQ(ini::GetPrivateProfileSection("S", tight, ini), 6U);
    EXPECT_EQ(tight, std::string("a=1\0b=\0\0", 8));
}

TEST_F(IniEngineRead, BadInputNeverCrashes) {
    std::string junk;
    for (int i = 0; i < 4096; ++i) {
        junk += static_cast<char>((i * 7919) % 256);
    }
    WriteBytes(ini, junk + "\n[S]\nk=v\n");
    EXPECT_EQ(Value("S", "k"), "v");

    WriteBytes(ini, "[S]\r\nnul=ab\0cd\r\nk\0x=1\r\n"s);
    EXPECT_EQ(Value("S", "nul"), "ab"); // a value ends at a NUL, as a C string does
    EXPECT_EQ(Listing("S"), (std::vector<std::string>{"nul=ab", "k"}));

    const std::string megabyte(1 << 20, 'm');
    WriteBytes(ini, "[S]\r\nhuge=" + megabyte + "\r\n" + megabyte + "\r\nafter=ok\r\n");
    EXPECT_EQ(Value("S", "huge"), std::string(259, 'm'));
    EXPECT_EQ(Value("S", "after"), "ok");
    const auto cut = Listing("S"); // cut inside the long line: no "after"
    ASSERT_EQ(cut.size(), 1U);
    EXPECT_EQ(cut[0].size(), 29998U);

    EXPECT_EQ(ValueOf(folder.Path(), "S", "k", "dflt"), "dflt");
    EXPECT_TRUE(ListingOf(folder.Path(), "S").empty());
    EXPECT_EQ(ValueOf(folder.File("no/such/folder.ini"), "S", "k", "dflt"), "dflt");
    EXPECT_EQ(ValueOf("", "S", "k", "dflt"), "dflt");

    const std::string fifo = folder.File("fifo.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ValueOf(fifo, "S", "k", "dflt"), "dflt"); // no hang on a FIFO
}

} // namespace
} // namespace karusello

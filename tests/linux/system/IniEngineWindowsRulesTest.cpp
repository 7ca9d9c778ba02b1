// The corners where the Windows profile functions read and write a file in their own way: a
// header without "]", the names and the default a caller gives, a last line without a line end.
#include "IniFileTest.h"

#include <vector>

namespace karusello {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

using IniEngineWindowsRules = testing::IniFileTest;

TEST_F(IniEngineWindowsRules, AHeaderWithoutClosingBracketOpensItsSection) {
    WriteBytes(ini, "[Global]\r\nk=g\r\n"
                    "[abc   \r\nk=1\r\nplain line\r\n"
                    "[ Tabbed\t\r\nt=2\r\n"
                    "[\r\nnameless=3\r\n");
    EXPECT_EQ(Value("abc", "k"), "1");
    EXPECT_EQ(Value("Global", "k"), "g");
    EXPECT_EQ(Value("tabbed", "t"), "2");
    EXPECT_EQ(Value("", "nameless"), "3");
    EXPECT_EQ(Value("abc   ", "k"), "1");
    // The header ends the section before it.
    EXPECT_EQ(Listing("Global"), std::vector<std::string>{"k=g"});
    EXPECT_EQ(Listing("ABC"), (std::vector<std::string>{"k=1", "plain line"}));

    // Writes find the section under that header: no second "[abc]" at the end.
    EXPECT_TRUE(Write("abc", "new", "v"));
    EXPECT_TRUE(Write("ABC", "k", "2"));
    EXPECT_TRUE(Write("Tabbed", "t", std::nullopt));
    EXPECT_EQ(ReadBytes(ini), "[Global]\r\nk=g\r\n"
                              "[abc   \r\nk=2\r\nplain line\r\nnew=v\r\n"
                              "[ Tabbed\t\r\n"
                              "[\r\nnameless=3\r\n");
    EXPECT_EQ(Value("abc", "new"), "v");
}

TEST_F(IniEngineWindowsRules, CallerNamesLoseSpacesButATabCountsAndDefaultsLoseTrailingSpaces) {
    WriteBytes(ini, "[s]\r\nk=v\r\n\tin\tside\t=tab\r\n");
    EXPECT_EQ(Value("  s ", " k  "), "v");
    EXPECT_EQ(Value("\ts", "k", "none"), "none");
    EXPECT_EQ(Value("s\t", "k", "none"), "none");
    EXPECT_EQ(Value("s", " \tk", "none"), "none");
    EXPECT_EQ(Value("s", "in\tside"), "tab"); // a tab inside a name is part of it
    EXPECT_EQ(Listing(" s "), (std::vector<std::string>{"k=v", "in\tside=tab"}));
    EXPECT_TRUE(Listing("\ts").empty());

    std::string buffer(260, 'x');
    EXPECT_EQ(ini::GetPrivateProfileString("s", "missing", "x   ", buffer, ini), 1U);
    EXPECT_EQ(buffer.substr(0, 2), std::string("x\0", 2));
    EXPECT_EQ(Value("s", "missing", "  x  "), "  x");
    EXPECT_EQ(Value("s", "missing", "    "), "");
    EXPECT_EQ(Value("s", "missing", "x\t"), "x\t");
    EXPECT_EQ(Value("s", "k", "x   "), "v");

    // A write finds what a read finds; a name that could never be found again is refused.
    EXPECT_TRUE(Write(" s ", "  k", "w"));
    EXPECT_TRUE(Write("New Section ", " key ", "n"));
    const std::string before = ReadBytes(ini);
    EXPECT_EQ(before, "[s]\r\nk=w\r\n\tin\tside\t=tab\r\n[New Section]\r\nkey=n\r\n");
    EXPECT_FALSE(Write("\ts", "k", "v"));
    EXPECT_FALSE(Write("s ", " \tk", "v"));
    EXPECT_FALSE(Write("s", "k\t", "v"));
    EXPECT_FALSE(Write("s", "\t", "v"));
    EXPECT_FALSE(Write("s", "  ", "v"));
    EXPECT_EQ(ReadBytes(ini), before);
}

TEST_F(IniEngineWindowsRules, ALastLineWithoutLineEndGetsCrLfWhenItChangesOrLinesFollowIt) {
    WriteBytes(ini, "[S]\nk=1  ");
    EXPECT_TRUE(Write("S", "k", "22"));
    EXPECT_EQ(ReadBytes(ini), "[S]\nk=22  \r\n");

    WriteBytes(ini, "[S]\r\nk=");
    EXPECT_TRUE(Write("S", "k", "x"));
    EXPECT_EQ(ReadBytes(ini), "[S]\r\nk=x\r\n");

    // A write that leaves the last line as it is leaves it without a line end.
    WriteBytes(ini, "[S]\r\nk=1\r\n; tail");
    EXPECT_TRUE(Write("S", "k", "1"));
    EXPECT_TRUE(Write("S", "new", "v"));
    EXPECT_EQ(ReadBytes(ini), "[S]\r\nk=1\r\nnew=v\r\n; tail");

    WriteBytes(ini, "[S]\r\na=1\r\nk=2");
    EXPECT_TRUE(Write("S", "k", std::nullopt));
    EXPECT_EQ(ReadBytes(ini), "[S]\r\na=1\r\n");

    WriteBytes(ini, "[Open");
    EXPECT_TRUE(Write("Open", "k", "v"));
    EXPECT_EQ(ReadBytes(ini), "[Open\r\nk=v\r\n");

    // Several writes as one replacement: the line end comes once.
    WriteBytes(ini, "[S]\r\nk=1");
    const std::vector<ini::ProfileWrite> writes = {{"S", "k", "2"}, {"S", "j", "3"}};
    EXPECT_TRUE(ini::WritePrivateProfileStrings(writes, ini));
    EXPECT_EQ(ReadBytes(ini), "[S]\r\nk=2\r\nj=3\r\n");
}

} // namespace
} // namespace karusello

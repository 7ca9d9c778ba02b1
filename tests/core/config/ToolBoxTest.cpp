#include "core/config/ToolBox.h"
#include "core/config/ProgramLocation.h"
#include "core/os/PathSeparator.h"
#include "tests/core/config/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace karusello {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

class ToolBoxTest : public ::testing::Test {
protected:
    ToolBoxTest() { box.INI_SetFilename("brisolan.ini"); }

    TempFolder folder;
    ScopedProgramLocation location{folder.Path()};
    std::string ini = folder.File("brisolan.ini");
    ToolBox box;
};

TEST_F(ToolBoxTest, PathIsTheProgramFolderJoinedWithTheFileName) {
    EXPECT_EQ(box.FilePath(), folder.File("brisolan.ini"));
    box.INI_SetFilename("sub/../other.ini", false);
    EXPECT_EQ(box.FilePath(), "sub/../other.ini");
    box.INI_SetFilename("brisolan.ini", true);
    {
        // A root folder keeps its separator ("/", "C:\\"); the join adds one more.
        const std::string separator(1, os::PathSeparator());
        const ScopedProgramLocation root(separator);
        EXPECT_EQ(box.FilePath(), separator + separator + "brisolan.ini"); // never normalised
    }
    EXPECT_EQ(box.FilePath(), folder.File("brisolan.ini"));

    ToolBox fresh; // a new ToolBox is not local: its path is the (empty) name itself
    EXPECT_EQ(fresh.FilePath(), "");
    EXPECT_EQ(fresh.SubSelection(), "");
}

TEST_F(ToolBoxTest, TextValuesAndTheirDefaults) {
    WriteBytes(ini, "[Global]\r\nempty=\r\nzero=0\r\nlong=" + std::string(300, 'x') +
                        "\r\nword=\"Gr\xFC\xDF"
                        "e\"\r\n");
    EXPECT_EQ(box.INI_GetKeyValue("Global", "missing", "dflt"), "dflt");
    EXPECT_EQ(box.INI_GetKeyValue("Global", "empty", "dflt"), "dflt");
    EXPECT_EQ(box.INI_GetKeyValue("Global", "zero", "dflt"), "0");
    EXPECT_EQ(box.INI_GetKeyValue("Global", "missing"), "");
    EXPECT_EQ(box.INI_GetKeyValue("Global", "long"), std::string(259, 'x'));
    EXPECT_EQ(box.INI_GetKeyValue("GLOBAL", "Word"), "Grüße");
    box.INI_SetFilename("absent.ini");
    EXPECT_EQ(box.INI_GetKeyValue("Global", "zero", "dflt"), "dflt");
}

TEST_F(ToolBoxTest, NumberValuesFollowTheNumberRule) {
    WriteBytes(ini, "[G]\r\nempty=\r\nword=abc\r\nfrac=12.7\r\nneg=-5\r\nhex=&HFFFF\r\n"
                    "spaced= 1 2 \r\n");
    EXPECT_EQ(box.INI_GetKeyValueLong("G", "missing", 2), 2.0);
    EXPECT_EQ(box.INI_GetKeyValueLong("G", "missing", -7), -7.0);
    EXPECT_EQ(box.INI_GetKeyValueLong("G", "empty", 2), 0.0);
    EXPECT_EQ(box.INI_GetKeyValueLong("G", "word", 2), 0.0);
    EXPECT_EQ(box.INI_GetKeyValueLong("G", "frac", 2), 12.7);
    EXPECT_EQ(box.INI_GetKeyValueLong("G", "neg", 2), -5.0);
    EXPECT_EQ(box.INI_GetKeyValueLong("G", "hex"), -1.0);
    EXPECT_EQ(box.INI_GetKeyValueLong("G", "spaced"), 12.0);
    EXPECT_EQ(box.INI_GetKeyValueLong("G", "missing", -2147483647 - 1), -2147483648.0);
    box.INI_SetFilename("absent.ini");
    EXPECT_EQ(box.INI_GetKeyValueLong("G", "frac", 2), 2.0);
}

TEST_F(ToolBoxTest, WritesSetEmptyOrRemoveAKey) {
    box.INI_WriteKeyValue("Value", "a", std::string("1"));
    box.INI_WriteKeyValue("Value", "b", std::string("2"));
    box.INI_WriteKeyValue("Value", "c", std::string(""));
    EXPECT_EQ(ReadBytes(ini), "[Value]\r\na=1\r\nb=2\r\nc=\r\n");
    box.INI_WriteKeyValue("Value", "a", std::nullopt);
    EXPECT_EQ(ReadBytes(ini), "[Value]\r\nb=2\r\nc=\r\n");
    EXPECT_EQ(box.INI_GetSection("Value"), (std::vector<std::string>{"b=2", "c="}));

    // A write that cannot be made is silent.
    box.INI_SetFilename(folder.File("missing/x.ini"), false);
    EXPECT_NO_THROW(box.INI_WriteKeyValue("Value", "a", std::string("1")));
}

TEST_F(ToolBoxTest, SectionListing) {
    WriteBytes(ini, "[S]\r\na=1\r\nb = 2\r\n; note\r\n[Empty]\r\n[ENLang]\r\nx=1\r\n");
    EXPECT_EQ(box.INI_GetSection("s"), (std::vector<std::string>{"a=1", "b=2"}));
    EXPECT_EQ(box.INI_GetSection("Empty"), std::vector<std::string>{" "});
    EXPECT_EQ(box.INI_GetSection("Missing"), std::vector<std::string>{" "});
    box.SubSelection("EN");
    EXPECT_EQ(box.INI_GetSection("S"), (std::vector<std::string>{"a=1", "b=2"}));
    EXPECT_EQ(box.INI_GetSection("Lang"), std::vector<std::string>{" "});

    // Cut at 29,998 characters; one more is dropped with the last line's NUL.
    std::string big = "[Big]\r\n";
    for (int i = 0; i < 1000; ++i) {
        big += "k" + std::to_string(1000 + i) + "=" + std::string(45, 'v') + "\r\n";
    }
    WriteBytes(ini, big);
    const auto lines = box.INI_GetSection("Big");
    std::size_t total = 0;
    for (const auto& line : lines) {
        total += line.size() + 1;
    }
    EXPECT_EQ(total - 1, 29997U);
    EXPECT_EQ(lines.front(), "k1000=" + std::string(45, 'v'));
    EXPECT_LT(lines.back().size(), lines.front().size());
}

TEST_F(ToolBoxTest, SubSelectionAndLanguageTexts) {
    WriteBytes(ini, "[ENLang]\r\nCancel=Cancel\r\nEmpty=\r\n[Lang]\r\nCancel=Abbrechen\r\n");
    EXPECT_EQ(box.GetLang("Cancel"), "Abbrechen");
    box.SubSelection("EN");
    EXPECT_EQ(box.SubSelection(), "EN");
    EXPECT_EQ(box.INI_GetKeyValue("Lang", "Cancel"), "Cancel");
    EXPECT_EQ(box.GetLang("Cancel"), "Cancel");

    std::string defaultText;
    EXPECT_EQ(box.GetLang("Ok", defaultText), "Ok");
    EXPECT_EQ(defaultText, "Ok");
    std::string given = "Gut";
    EXPECT_EQ(box.GetLang("Ok", given), "Gut");
    EXPECT_EQ(given, "Gut");
    EXPECT_EQ(box.GetLang("Empty"), "Empty");

    box.INI_WriteKeyValue("Lang", "Ok", std::string("Okay"));
    EXPECT_EQ(box.GetLang("Ok"), "Okay");
    EXPECT_NE(ReadBytes(ini).find("[ENLang]\r\nCancel=Cancel\r\nEmpty=\r\nOk=Okay\r\n"),
              std::string::npos);
}

TEST_F(ToolBoxTest, EveryReadSeesTheFileAsItIsNow) {
    WriteBytes(ini, "[Message]\r\nHandle.DB=1\r\n");
    EXPECT_EQ(box.INI_GetKeyValueLong("Message", "Handle.DB"), 1.0);
    WriteBytes(ini, "[Message]\r\nHandle.DB=2\r\n");
    EXPECT_EQ(box.INI_GetKeyValueLong("Message", "Handle.DB"), 2.0);
}

TEST_F(ToolBoxTest, TextsRoundTripThroughWindows1252) {
    // Bytes without a character of their own must come back unchanged after a
    // read-modify-write of the same file.
    const std::string odd = "\x81\x8D\x8F\x90\x9D";
    WriteBytes(ini, "[S]\r\nodd=" + odd + "\r\nother=1\r\n;\xE4\x9D\r\n");
    const std::string read = box.INI_GetKeyValue("S", "odd");
    box.INI_WriteKeyValue("S", "copy", read);
    box.INI_WriteKeyValue("S", "euro", std::string("€ ä 日"));
    const std::string bytes = ReadBytes(ini);
    EXPECT_NE(bytes.find("\r\nodd=" + odd + "\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\ncopy=" + odd + "\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\neuro=\x80 \xE4 ?\r\n"), std::string::npos);
    EXPECT_NE(bytes.find(";\xE4\x9D\r\n"), std::string::npos);
    EXPECT_EQ(box.INI_GetKeyValue("S", "euro"), "€ ä ?");
    box.INI_WriteKeyValue("Sektion Ä", "Schlüssel", std::string("Wert"));
    EXPECT_EQ(box.INI_GetKeyValue("SEKTION Ä", "SCHLüSSEL"), "Wert");
    EXPECT_NE(ReadBytes(ini).find("[Sektion \xC4]\r\nSchl\xFCssel=Wert\r\n"), std::string::npos);
}

// A host folder whose name the system's code page cannot hold (a Polish or Greek station name):
// the host INI file in it is read and written all the same, its text in Windows-1252 as the
// host keeps it, and nothing goes anywhere else.
TEST_F(ToolBoxTest, AFolderNamedOutsideTheCodePageIsReadAndWritten) {
    const std::string station = JoinPath(folder.Path(), "Stacja Łódź Ωμέγα");
    std::filesystem::create_directory(Utf8Path(station));
    const ScopedProgramLocation there(station);
    const std::string file = JoinPath(station, "brisolan.ini");
    WriteBytes(file, "[Global]\r\nDBName=C:\\Sendedaten M\xFCller\\brisolan.mdb\r\n");

    EXPECT_EQ(box.INI_GetKeyValue("Global", "DBName"), "C:\\Sendedaten Müller\\brisolan.mdb");
    EXPECT_EQ(box.INI_GetSection("Global"),
              std::vector<std::string>{"DBName=C:\\Sendedaten Müller\\brisolan.mdb"});
    box.INI_WriteKeyValues({{"PLUGIN", "karusello", "karusello"},
                            {"PLUGIN_Menu", "karusello", "Shuffle Playlist"},
                            {"PLUGIN_Option", "karusello", "PNID"}});
    EXPECT_EQ(box.INI_GetKeyValue("PLUGIN", "karusello", "nicht installiert"), "karusello");
    box.INI_WriteKeyValue("Global", "Station", std::string("Köln"));

    const std::string bytes = ReadBytes(file);
    EXPECT_NE(bytes.find("DBName=C:\\Sendedaten M\xFCller\\brisolan.mdb\r\n"), std::string::npos)
        << bytes;
    EXPECT_NE(bytes.find("Station=K\xF6ln\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("[PLUGIN_Menu]\r\nkarusello=Shuffle Playlist\r\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Utf8Path(ini))) << "nothing in the other folder";
    EXPECT_EQ(PathUtf8(std::filesystem::directory_iterator(Utf8Path(folder.Path()))->path()),
              station)
        << "the folder has its name";
}

} // namespace
} // namespace karusello

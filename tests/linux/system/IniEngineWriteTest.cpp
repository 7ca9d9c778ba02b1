#include "IniFileTest.h"
#include "tests/support/UnprivilegedUser.h"

#include <filesystem>
#include <sys/stat.h>

namespace karusello {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

class IniEngineWrite : public testing::IniFileTest {
protected:
    // Nothing but the INI file (and what a test put there) is left in the folder.
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()));
    }
};

// A file with comments, blanks and every kind of line end, holding the given values.
std::string MixedLayout(const std::string& skin, const std::string& db, const std::string& handle) {
    std::string text = "; host settings\r\n[Global]\n";
    text += "  SkinFileName = " + skin + "   \r\n";
    text += "DBName=" + db + "\r\n";
    text += "\r\n[Message]\r";
    text += "Handle.DB=" + handle + "\r";
    return text;
}

TEST_F(IniEngineWrite, ChangingAValueKeepsEveryOtherByte) {
    WriteBytes(ini, MixedLayout("old.skn", "\"C:\\x.mdb\"", "1"));
    EXPECT_TRUE(Write("GLOBAL", "skinfilename", "new.skn"));
    EXPECT_EQ(ReadBytes(ini), MixedLayout("new.skn", "\"C:\\x.mdb\"", "1"));
    EXPECT_TRUE(Write("Message", "Handle.DB", "77"));
    EXPECT_TRUE(Write("Global", "DBName", ""));
    EXPECT_EQ(ReadBytes(ini), MixedLayout("new.skn", "", "77"));
    EXPECT_TRUE(Write("Global", "DBName", "again"));
    EXPECT_NE(ReadBytes(ini).find("DBName=again\r\n"), std::string::npos);
    EXPECT_EQ(FilesInFolder(), 1U);
}

TEST_F(IniEngineWrite, NewKeysAndSectionsGoWhereTheHostExpectsThem) {
    WriteBytes(ini, "[A]\r\nx=1\r\n; trailing comment\r\n\r\n[B]\r\n\r\n[C]\r\nlast=1");
    EXPECT_TRUE(Write("a", "y", "2"));
    EXPECT_TRUE(Write("B", "k", "v"));
    EXPECT_TRUE(Write("C", "z", "3"));
    EXPECT_TRUE(Write("New", "n", "4"));
    EXPECT_EQ(ReadBytes(ini), "[A]\r\nx=1\r\ny=2\r\n; trailing comment\r\n\r\n"
                              "[B]\r\nk=v\r\n\r\n"
                              "[C]\r\nlast=1\r\nz=3\r\n"
                              "[New]\r\nn=4\r\n");

    WriteBytes(ini, "[Only]");
    EXPECT_TRUE(Write("Only", "k", "v"));
    EXPECT_TRUE(Write("Second", "k", "v"));
    EXPECT_EQ(ReadBytes(ini), "[Only]\r\nk=v\r\n[Second]\r\nk=v\r\n");

    WriteBytes(ini, "no line end");
    EXPECT_TRUE(Write("S", "k", "v"));
    EXPECT_EQ(ReadBytes(ini), "no line end\r\n[S]\r\nk=v\r\n");
}

TEST_F(IniEngineWrite, MissingFileIsCreatedAndDuplicatesFollowTheReadRules) {
    EXPECT_TRUE(Write("PLUGIN", "karusello", "1"));
    EXPECT_EQ(ReadBytes(ini), "[PLUGIN]\r\nkarusello=1\r\n");

    WriteBytes(ini, "[S]\r\nk=1\r\nk=2\r\n[s]\r\nk=3\r\n");
    EXPECT_TRUE(Write("S", "K", "first"));
    EXPECT_EQ(ReadBytes(ini), "[S]\r\nk=first\r\nk=2\r\n[s]\r\nk=3\r\n");
    EXPECT_TRUE(Write("S", "new", "v"));
    EXPECT_EQ(ReadBytes(ini), "[S]\r\nk=first\r\nk=2\r\nnew=v\r\n[s]\r\nk=3\r\n");
}

TEST_F(IniEngineWrite, AbsentValueRemovesTheKeyAndKeepsTheSection) {
    WriteBytes(ini, "[S]\r\na=1\r\nK=2\r\nb=3\r\nk=4\n[T]\r\nk=5\r\n");
    EXPECT_TRUE(Write("s", "k", std::nullopt));
    EXPECT_EQ(ReadBytes(ini), "[S]\r\na=1\r\nb=3\r\n[T]\r\nk=5\r\n");
    EXPECT_TRUE(Write("S", "a", std::nullopt));
    EXPECT_TRUE(Write("S", "b", std::nullopt));
    EXPECT_EQ(ReadBytes(ini), "[S]\r\n[T]\r\nk=5\r\n");

    // Removing what is not there changes nothing and creates no file.
    const std::string absent = folder.File("absent.ini");
    EXPECT_TRUE(ini::WritePrivateProfileString("S", "k", std::nullopt, absent));
    EXPECT_FALSE(fs::exists(absent));
    EXPECT_TRUE(Write("Nope", "k", std::nullopt));
    EXPECT_TRUE(Write("T", "nope", std::nullopt));
    EXPECT_EQ(ReadBytes(ini), "[S]\r\n[T]\r\nk=5\r\n");
}

TEST_F(IniEngineWrite, TextsThatWouldBreakTheFileAreRefused) {
    const std::string before = "[S]\r\nk=1\r\n";
    WriteBytes(ini, before);
    EXPECT_FALSE(Write("S", "k", "two\r\n[Evil]\r\nx=1"));
    EXPECT_FALSE(Write("S", "k", "cr\rlf"));
    EXPECT_FALSE(Write("S", "a=b", "v"));
    EXPECT_FALSE(Write("S", ";k", "v"));
    EXPECT_FALSE(Write("S", "[k", "v"));
    EXPECT_FALSE(Write("S", "  ", "v"));
    EXPECT_FALSE(Write("S]x", "k", "v"));
    EXPECT_FALSE(Write("S\n", "k", "v"));
    EXPECT_FALSE(Write("S", std::string_view("k\0x", 3), "v"));
    EXPECT_EQ(ReadBytes(ini), before);
}

TEST_F(IniEngineWrite, FailedWriteLeavesEverythingAsItWas) {
    EXPECT_FALSE(ini::WritePrivateProfileString("S", "k", "v", folder.File("missing/host.ini")));
    EXPECT_FALSE(fs::exists(folder.File("missing")));

    const std::string sub = folder.File("sub");
    fs::create_directory(sub);
    EXPECT_FALSE(ini::WritePrivateProfileString("S", "k", "v", sub));
    EXPECT_TRUE(fs::is_directory(sub));
    EXPECT_TRUE(fs::is_empty(sub));
    EXPECT_FALSE(ini::WritePrivateProfileString("S", "k", "v", ""));

    const std::string fifo = folder.File("fifo.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(ini::WritePrivateProfileString("S", "k", "v", fifo));
    EXPECT_EQ(FilesInFolder(), 2U); // sub and fifo, no temporary file left
}

TEST_F(IniEngineWrite, ReadOnlyFileOrFolderIsNotWritten) {
    const std::string before = "[S]\r\nk=1\r\n";
    WriteBytes(ini, before);
    // The writes are tried by an ordinary user who owns the folder and the file.
    test::HandToUnprivilegedUser(folder.Path());
    const int end = test::RunAsUnprivilegedUser([&] {
        fs::permissions(ini, fs::perms::owner_read);
        EXPECT_FALSE(Write("S", "k", "2"));
        EXPECT_EQ(ReadBytes(ini), before);

        fs::permissions(ini, fs::perms::owner_read | fs::perms::owner_write);
        fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(Write("S", "k", "2"));
        EXPECT_FALSE(ini::WritePrivateProfileString("S", "k", "2", folder.File("new.ini")));
        fs::permissions(folder.Path(), fs::perms::owner_all);
    });
    EXPECT_EQ(end, 0) << "the writes as an ordinary user";
    EXPECT_EQ(ReadBytes(ini), before);
    EXPECT_EQ(FilesInFolder(), 1U);
}

TEST_F(IniEngineWrite, ReplacementKeepsPermissionsAndSymbolicLinks) {
    WriteBytes(ini, "[S]\r\nk=1\r\n");
    fs::permissions(ini, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_TRUE(Write("S", "k", "2"));
    EXPECT_EQ(fs::status(ini).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    fs::create_directory(folder.File("real"));
    const std::string target = folder.File("real/host.ini");
    WriteBytes(target, "[S]\r\nk=1\r\n");
    const std::string link = folder.File("link.ini");
    fs::create_symlink("real/host.ini", link);
    EXPECT_TRUE(ini::WritePrivateProfileString("S", "k", "via link", link));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), "real/host.ini");
    EXPECT_EQ(ReadBytes(target), "[S]\r\nk=via link\r\n");

    // A dangling link: the file it names is created, the link stays.
    const std::string dangling = folder.File("dangling.ini");
    fs::create_symlink("real/created.ini", dangling);
    EXPECT_TRUE(ini::WritePrivateProfileString("S", "k", "v", dangling));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(ReadBytes(folder.File("real/created.ini")), "[S]\r\nk=v\r\n");

    const std::string loop = folder.File("loop.ini");
    fs::create_symlink("loop.ini", loop);
    EXPECT_FALSE(ini::WritePrivateProfileString("S", "k", "v", loop));
    EXPECT_TRUE(fs::is_symlink(loop));
}

TEST_F(IniEngineWrite, UnchangedContentIsNotRewritten) {
    WriteBytes(ini, "[S]\r\nk=same\r\n");
    struct stat before {};
    ASSERT_EQ(::stat(ini.c_str(), &before), 0);
    EXPECT_TRUE(Write("S", "k", "same"));
    struct stat after {};
    ASSERT_EQ(::stat(ini.c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino);
    EXPECT_TRUE(Write("S", "k", "changed"));
    ASSERT_EQ(::stat(ini.c_str(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino); // replaced, not written in place
}

TEST_F(IniEngineWrite, BadContentSurvivesAWriteElsewhere) {
    std::string junk = "[S]\r\nk=1\r\n";
    for (int i = 0; i < 2048; ++i) {
        junk += static_cast<char>((i * 131) % 256);
    }
    junk += std::string("\0\0[T]\r\n", 7);
    WriteBytes(ini, junk);
    EXPECT_TRUE(Write("S", "k", "2"));
    std::string expected = junk;
    expected.replace(junk.find("k=1") + 2, 1, "2");
    EXPECT_EQ(ReadBytes(ini), expected);

    const std::string megabyte(1 << 20, 'm');
    WriteBytes(ini, "[S]\r\nhuge=" + megabyte + "\r\n");
    EXPECT_TRUE(Write("S", "k", "v"));
    EXPECT_EQ(ReadBytes(ini), "[S]\r\nhuge=" + megabyte + "\r\nk=v\r\n");
}

TEST(IniEngineWriteSeveral, AppliesTheWritesInOrderAsOneReplacement) {
    TempFolder folder;
    const std::string one = folder.File("one.ini");
    const std::string several = folder.File("several.ini");
    const std::string start = "; host\r\n[Global]\r\nDBName=x\r\n";
    WriteBytes(one, start);
    WriteBytes(several, start);
    const std::vector<ini::ProfileWrite> writes = {{"PLUGIN", "k", "k"},
                                                   {"PLUGIN_Menu", "k", "Shuffle Playlist"},
                                                   {"Global", "DBName", std::nullopt},
                                                   {"PLUGIN_Option", "k", "PNID"}};
    for (const auto& w : writes) {
        ASSERT_TRUE(ini::WritePrivateProfileString(w.section, w.key, w.value, one));
    }
    EXPECT_TRUE(ini::WritePrivateProfileStrings(writes, several));
    EXPECT_EQ(ReadBytes(several), ReadBytes(one));

    // A write that cannot be stored is left out; the others still land.
    EXPECT_TRUE(ini::WritePrivateProfileStrings(
        std::vector<ini::ProfileWrite>{{"A", "bad\nkey", "1"}, {"A", "good", "2"}}, several));
    EXPECT_EQ(ReadBytes(several), ReadBytes(one) + "[A]\r\ngood=2\r\n");

    // Nothing can be written into a missing folder: no file appears, and false says so.
    const std::string missing = folder.File("nowhere/host.ini");
    EXPECT_FALSE(ini::WritePrivateProfileStrings(writes, missing));
    EXPECT_FALSE(fs::exists(missing));
}

} // namespace
} // namespace karusello

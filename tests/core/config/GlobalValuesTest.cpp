#include "core/config/GlobalValues.h"
#include "core/config/ProgramLocation.h"
#include "core/errors/RuntimeError.h"
#include "tests/core/config/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace karusello {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

class GlobalValuesTest : public ::testing::Test {
protected:
    void Ini(const std::string& content) { WriteBytes(ini, content); }

    TempFolder folder;
    ScopedProgramLocation location{folder.Path()};
    std::string ini = folder.File("brisolan.ini");
};

TEST_F(GlobalValuesTest, WithoutAnIniFileEveryValueHasItsDefault) {
    const GlobalValues values;
    EXPECT_EQ(values.SkinFileName, "brisolan.skn");
    EXPECT_EQ(values.DBName, folder.File("brisolan.mdb"));
    EXPECT_EQ(values.LangFile, "");
    for (const std::int32_t handle :
         {values.MessageHandleDB, values.MessageHandleDJ, values.MessageHandleImportEdit,
          values.MessageHandleSam, values.HandleDB, values.HandleDJ, values.HandleSam}) {
        EXPECT_EQ(handle, 0);
    }
    EXPECT_EQ(values.LastImportDir, "");
    EXPECT_EQ(values.ID3v2Tags, 2);
    EXPECT_FALSE(fs::exists(ini)); // reading creates nothing
}

TEST_F(GlobalValuesTest, ReadsEveryValueFromItsKey) {
    fs::create_directories(folder.File("skin"));
    WriteBytes(folder.File("skin/blue.skn"), "skin");
    WriteBytes(folder.File("host.db"), "db");
    fs::create_directory(folder.File("import"));
    Ini("[Global]\r\nSkinFileName=blue.skn\r\nDBName=" + folder.File("host.db") +
        "\r\nHandleDB=11\r\nHandleDJ=12\r\nBrisolanSam=13\r\nLastImportDir=" +
        folder.File("import") +
        "\r\nID3v2Tags=3\r\n"
        "[Message]\r\nHandle.DB=21\r\nHandle.DJ=22\r\n"
        "Handle.Import.Edit=23\r\nHandle.Sam=24\r\n");
    const GlobalValues values;
    EXPECT_EQ(values.SkinFileName, "blue.skn");
    EXPECT_EQ(values.DBName, folder.File("host.db"));
    EXPECT_EQ(values.HandleDB, 11);
    EXPECT_EQ(values.HandleDJ, 12);
    EXPECT_EQ(values.HandleSam, 13);
    EXPECT_EQ(values.MessageHandleDB, 21);
    EXPECT_EQ(values.MessageHandleDJ, 22);
    EXPECT_EQ(values.MessageHandleImportEdit, 23);
    EXPECT_EQ(values.MessageHandleSam, 24);
    EXPECT_EQ(values.LastImportDir, folder.File("import"));
    EXPECT_EQ(values.ID3v2Tags, 3);
}

TEST_F(GlobalValuesTest, FilesAndFoldersThatDoNotExistFallBack) {
    fs::create_directories(folder.File("skin/folder.skn"));
    WriteBytes(folder.File("skin/real.skn"), "skin");
    WriteBytes(folder.File("afile"), "x");
    Ini("[Global]\r\nSkinFileName=missing.skn\r\nDBName=" + folder.File("missing.db") +
        "\r\nLastImportDir=" + folder.File("no-such-folder") + "\r\nID3v2Tags=\r\n");
    const GlobalValues missing;
    EXPECT_EQ(missing.SkinFileName, "brisolan.skn");
    EXPECT_EQ(missing.DBName, folder.File("brisolan.mdb"));
    EXPECT_EQ(missing.LastImportDir, "");
    EXPECT_EQ(missing.ID3v2Tags, 0); // present but empty: 0, not the default

    // A folder is no file; a file is no folder; a full path is no name in the skin folder.
    Ini("[Global]\r\nSkinFileName=folder.skn\r\nDBName=" + folder.Path() +
        "\r\nLastImportDir=" + folder.File("afile") + "\r\n");
    const GlobalValues wrongKinds;
    EXPECT_EQ(wrongKinds.SkinFileName, "brisolan.skn");
    EXPECT_EQ(wrongKinds.DBName, folder.File("brisolan.mdb"));
    EXPECT_EQ(wrongKinds.LastImportDir, "");

    Ini("[Global]\r\nSkinFileName=" + folder.File("skin/real.skn") + "\r\n");
    EXPECT_EQ(GlobalValues().SkinFileName, "brisolan.skn");
    Ini("[Global]\r\nSkinFileName=\r\n");
    EXPECT_EQ(GlobalValues().SkinFileName, "brisolan.skn");
}

TEST_F(GlobalValuesTest, HandlesAreRoundedHalfToEven) {
    Ini("[Message]\r\nHandle.DB=12.5\r\nHandle.DJ=13.5\r\nHandle.Sam=abc\r\n"
        "Handle.Import.Edit=\r\n[Global]\r\nHandleDB=-2147483648\r\nHandleDJ=2147483647\r\n"
        "BrisolanSam=&HFFFF\r\n");
    const GlobalValues values;
    EXPECT_EQ(values.MessageHandleDB, 12);
    EXPECT_EQ(values.MessageHandleDJ, 14);
    EXPECT_EQ(values.MessageHandleSam, 0);
    EXPECT_EQ(values.MessageHandleImportEdit, 0);
    EXPECT_EQ(values.HandleDB, -2147483647 - 1);
    EXPECT_EQ(values.HandleDJ, 2147483647);
    EXPECT_EQ(values.HandleSam, -1);
}

TEST_F(GlobalValuesTest, RefreshSeesNewHandlesAndStopsAtAnOverflow) {
    Ini("[Message]\r\nHandle.DB=1\r\nHandle.DJ=2\r\n");
    GlobalValues values;
    EXPECT_EQ(values.MessageHandleDB, 1);
    Ini("[Global]\r\nSkinFileName=changed.skn\r\n[Message]\r\nHandle.DB=5\r\nHandle.DJ=6\r\n");
    EXPECT_EQ(values.MessageHandleDB, 1); // no re-read before Refresh
    values.Refresh();
    EXPECT_EQ(values.MessageHandleDB, 5);
    EXPECT_EQ(values.MessageHandleDJ, 6);
    EXPECT_EQ(values.SkinFileName, "brisolan.skn"); // read on creation only

    // Handle.DB overflows: the steps before it keep their new values, the later ones the old.
    Ini("[Global]\r\nHandleDB=31\r\n[Message]\r\nHandle.Sam=32\r\nHandle.DB=2147483648\r\n"
        "Handle.DJ=33\r\n");
    try {
        values.Refresh();
        ADD_FAILURE() << "no overflow";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), errnum::Overflow);
    }
    EXPECT_EQ(values.HandleDB, 31);
    EXPECT_EQ(values.MessageHandleSam, 32);
    EXPECT_EQ(values.MessageHandleDB, 5);
    EXPECT_EQ(values.MessageHandleDJ, 6);

    EXPECT_THROW(GlobalValues(), RuntimeError); // creation fails the same way
}

TEST_F(GlobalValuesTest, KeyOperationsGoThroughTheHostIniFile) {
    GlobalValues values;
    values.WriteKeyValue("PLUGIN", "karusello", "1");
    EXPECT_EQ(ReadBytes(ini), "[PLUGIN]\r\nkarusello=1\r\n");
    EXPECT_EQ(values.GetKeyValue("plugin", "KARUSELLO"), "1");
    EXPECT_EQ(values.GetKeyValue("PLUGIN", "missing", "dflt"), "dflt");
    EXPECT_EQ(values.GetKeyValueLong("PLUGIN", "karusello"), 1);
    EXPECT_EQ(values.GetKeyValueLong("PLUGIN", "missing", 9), 9);
    values.WriteKeyValue("PLUGIN", "big", "3e9");
    EXPECT_THROW(values.GetKeyValueLong("PLUGIN", "big"), RuntimeError);
}

} // namespace
} // namespace karusello

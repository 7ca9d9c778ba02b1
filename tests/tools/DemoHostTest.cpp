#include "tools/demohost/DemoHost.h"

#include "tests/support/FileText.h"
#include "tests/support/TempFolder.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace karusello::demohost {
namespace {

namespace fs = std::filesystem;

class DemoHostTest : public ::testing::Test {
protected:
    DemoOptions Options(const std::string& name) const {
        DemoOptions options;
        options.folder = root_ / name;
        return options;
    }

    // Every row of both tables as one text, to compare databases.
    static std::string Dump(const fs::path& database) {
        SQLite::Database db(database.string());
        return db.execAndGet("SELECT group_concat(nid || '|' || Name || '|' || "
                             "ifnull(grid, 'NULL'), ';') FROM pl_name")
                   .getString() +
               db.execAndGet("SELECT group_concat(plid || '|' || pnid || '|' || sid || '|' || "
                             "artist || '|' || title || '|' || duration, ';') FROM pl_all")
                   .getString();
    }

    test::TempFolder temp_;
    const fs::path root_ = temp_.Path();
};

TEST_F(DemoHostTest, ArgumentsGiveTheOptionsOrSayWhatIsWrong) {
    const DemoOptions defaults = ParseArguments({"host"});
    EXPECT_EQ(defaults.folder, "host");
    EXPECT_EQ(defaults.entries, 300);
    EXPECT_EQ(defaults.big, 0);
    EXPECT_FALSE(defaults.force);
    EXPECT_FALSE(defaults.skin);

    const DemoOptions all =
        ParseArguments({"--big", "400000", "h", "--entries", "0", "--force", "--skin", "a.skn"});
    EXPECT_EQ(all.folder, "h");
    EXPECT_EQ(all.entries, 0);
    EXPECT_EQ(all.big, 400000);
    EXPECT_TRUE(all.force);
    EXPECT_EQ(all.skin, fs::path("a.skn"));

    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{},
                                               {"a", "b"},
                                               {""},
                                               {"h", "--entries"},
                                               {"h", "--entries", "-3"},
                                               {"h", "--entries", "12x"},
                                               {"h", "--big", ""},
                                               {"h", "--big", "99999999999"},
                                               {"h", "--gross"}}) {
        EXPECT_THROW(ParseArguments(bad), UsageError) << ::testing::PrintToString(bad);
    }
    EXPECT_TRUE(WantsHelp({"h", "--help"}));
    EXPECT_FALSE(WantsHelp({"h"}));
}

TEST_F(DemoHostTest, CreatesTheIniFileTheSkinFolderAndTheTables) {
    const DemoHostFiles files = CreateDemoHost(Options("host"));
    const fs::path folder = root_ / "host";
    EXPECT_EQ(files.ini, folder / "brisolan.ini");
    EXPECT_EQ(files.database, folder / "brisolan.mdb");
    EXPECT_TRUE(fs::is_directory(folder / "skin"));
    EXPECT_EQ(test::ReadText(files.ini), "[Global]\r\nSkinFileName=brisolan.skn\r\nDBName=" +
                                             (folder / "brisolan.mdb").string() +
                                             "\r\n\r\n[Message]\r\n");
    EXPECT_FALSE(fs::exists(folder / "brisolan.mdb.new"));
    EXPECT_FALSE(fs::exists(folder / "brisolan.ini.new"));

    SQLite::Database db(files.database.string());
    EXPECT_EQ(db.execAndGet("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND "
                            "sql LIKE '%pl_all (pnid, plid)%'")
                  .getInt(),
              1);
    EXPECT_EQ(db.execAndGet("SELECT Name || ',' || grid FROM pl_name WHERE nid = 17").getString(),
              "Morgenshow,0");
    EXPECT_EQ(db.execAndGet("SELECT grid FROM pl_name WHERE nid = 23").getInt(), -1);
    EXPECT_TRUE(db.execAndGet("SELECT grid FROM pl_name WHERE nid = 42").isNull());
    EXPECT_EQ(db.execAndGet("SELECT count(*) FROM pl_name WHERE nid = 31").getInt(), 1);
    EXPECT_EQ(db.execAndGet("SELECT count(*) FROM pl_all WHERE pnid = 31").getInt(), 0);
    EXPECT_EQ(db.execAndGet("SELECT count(*) FROM pl_all WHERE pnid = 23").getInt(), 24);
    EXPECT_EQ(db.execAndGet("SELECT count(*) FROM pl_name WHERE nid = 99").getInt(), 0);
    EXPECT_EQ(db.execAndGet("SELECT count(*) FROM pl_all WHERE artist IS NULL OR title IS NULL "
                            "OR sid IS NULL")
                  .getInt(),
              0);

    // Morgenshow: sid 1 .. n in ascending plid, every value once.
    SQLite::Statement entries(db, "SELECT sid FROM pl_all WHERE pnid = 17 ORDER BY plid");
    std::vector<int> sids;
    while (entries.executeStep()) {
        sids.push_back(entries.getColumn(0).getInt());
    }
    ASSERT_EQ(sids.size(), 300U);
    for (std::size_t i = 0; i < sids.size(); ++i) {
        EXPECT_EQ(sids[i], static_cast<int>(i) + 1);
    }
    EXPECT_GT(db.execAndGet("SELECT count(DISTINCT artist) FROM pl_all WHERE pnid = 17").getInt(),
              10);
}

TEST_F(DemoHostTest, SizesFollowTheOptionsAndTheContentIsTheSameEveryTime) {
    DemoOptions options = Options("a");
    options.entries = 12;
    options.big = 5000;
    CreateDemoHost(options);
    options.folder = root_ / "b";
    CreateDemoHost(options);

    SQLite::Database db((root_ / "a" / "brisolan.mdb").string());
    EXPECT_EQ(db.execAndGet("SELECT count(*) FROM pl_all WHERE pnid = 17").getInt(), 12);
    EXPECT_EQ(db.execAndGet("SELECT count(*) FROM pl_all WHERE pnid = 99").getInt(), 5000);
    EXPECT_EQ(db.execAndGet("SELECT max(sid) FROM pl_all WHERE pnid = 99").getInt(), 5000);
    EXPECT_EQ(Dump(root_ / "a" / "brisolan.mdb"), Dump(root_ / "b" / "brisolan.mdb"));
}

TEST_F(DemoHostTest, AnExistingHostIsKeptUnlessForced) {
    const DemoHostFiles files = CreateDemoHost(Options("host"));
    {
        SQLite::Database db(files.database.string(), SQLite::OPEN_READWRITE);
        db.exec("UPDATE pl_all SET sid = -5 WHERE plid = 1");
    }
    EXPECT_THROW(CreateDemoHost(Options("host")), ExistingFilesError);
    EXPECT_EQ(SQLite::Database(files.database.string())
                  .execAndGet("SELECT sid FROM pl_all WHERE plid = 1")
                  .getInt(),
              -5);

    // An INI file alone blocks too: it may hold the plug-in's entry.
    fs::remove(files.database);
    EXPECT_THROW(CreateDemoHost(Options("host")), ExistingFilesError);
    EXPECT_FALSE(fs::exists(files.database));

    // A journal left beside the old file must not be applied to the new one.
    std::ofstream(files.database.string() + "-journal") << "alt";
    DemoOptions forced = Options("host");
    forced.force = true;
    CreateDemoHost(forced);
    EXPECT_FALSE(fs::exists(files.database.string() + "-journal"));
    EXPECT_EQ(SQLite::Database(files.database.string())
                  .execAndGet("SELECT sid FROM pl_all WHERE plid = 1")
                  .getInt(),
              1);
}

TEST_F(DemoHostTest, CopiesASkinFileAndRefusesPathsTheIniFileCannotHold) {
    const fs::path skin = root_ / "quelle.skn";
    std::ofstream(skin) << "skin";
    DemoOptions options = Options("host");
    options.skin = skin;
    const DemoHostFiles files = CreateDemoHost(options);
    EXPECT_EQ(test::ReadText(files.skinFolder / "brisolan.skn"), "skin");

    DemoOptions missingSkin = Options("ohne");
    missingSkin.skin = root_ / "fehlt.skn";
    EXPECT_THROW(CreateDemoHost(missingSkin), std::runtime_error);
    EXPECT_FALSE(fs::exists(root_ / "ohne" / "brisolan.mdb"));

    // "ü" is in Windows-1252 and arrives as one byte; "日本" is not and is refused.
    const DemoHostFiles umlaut = CreateDemoHost(Options("Müll"));
    EXPECT_NE(test::ReadText(umlaut.ini).find("M\xFCll"), std::string::npos);
    EXPECT_THROW(CreateDemoHost(Options("日本")), std::runtime_error);
    EXPECT_FALSE(fs::exists(root_ / "日本"));
}

} // namespace
} // namespace karusello::demohost

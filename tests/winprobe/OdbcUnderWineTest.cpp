#include "Odbc.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace karusello::winprobe {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Values = std::vector<std::optional<long>>;

// SQLite's result codes, which the driver reports as the native error.
constexpr long SqliteBusy = 5;
constexpr long SqliteCantOpen = 14;
constexpr long SqliteNotADatabase = 26;

// A fresh folder for the running test below the build folder. The driver is a Linux library
// and takes the Linux path; Windows functions take the same folder on Wine's drive Z:, which
// is the Linux root.
class ProbeFolder {
public:
    ProbeFolder() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        unixPath_ = std::string(WINPROBE_DATA_DIR) + "/" + test->name();
        std::filesystem::remove_all(Windows(""));
        std::filesystem::create_directories(Windows(""));
    }
    ~ProbeFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(Windows(""), ignored);
    }
    ProbeFolder(const ProbeFolder&) = delete;
    ProbeFolder& operator=(const ProbeFolder&) = delete;

    std::string Unix(const std::string& name) const { return unixPath_ + "/" + name; }
    std::filesystem::path Windows(const std::string& name) const {
        std::string path = "Z:" + Unix(name);
        std::replace(path.begin(), path.end(), '/', '\\');
        return path;
    }

private:
    std::string unixPath_;
};

template <typename Action> OdbcError ErrorOf(Action action) {
    try {
        action();
    } catch (const OdbcError& error) {
        return error;
    }
    ADD_FAILURE() << "no ODBC error";
    return OdbcError("", 0, "");
}

class OdbcUnderWineTest : public ::testing::Test {
protected:
    // The SQLite ODBC driver by the name that /etc/odbcinst.ini registers; options such as
    // NoCreat=1 (fail instead of creating a missing file) or Timeout=<ms> (the wait for a lock).
    static std::string SqliteText(const std::string& database, const std::string& options) {
        return "DRIVER=SQLite3;Database=" + database + ";" + options;
    }

    OdbcConnection Open(const std::string& options = "NoCreat=1") {
        return OdbcConnection(env_, SqliteText(database_, options));
    }

    // The probe's database: three rows with a number and a Yes/No field (true, false, NULL).
    void CreateDatabase() {
        auto db = Open("NoCreat=0");
        db.Execute("CREATE TABLE entries (id INTEGER PRIMARY KEY, sid INTEGER, grid BIT)");
        db.Execute("INSERT INTO entries (sid, grid) VALUES (10, 1), (20, 0), (30, NULL)");
    }

    Values Sids(OdbcConnection& db) { return db.Column("SELECT sid FROM entries ORDER BY id"); }

    OdbcEnvironment env_;
    ProbeFolder folder_;
    const std::string database_ = folder_.Unix("probe.db");
};

TEST_F(OdbcUnderWineTest, CreatesTheFileOnlyWhenAskedAndReadsBackWhatItWrote) {
    EXPECT_FALSE(std::filesystem::exists(folder_.Windows("probe.db")));
    CreateDatabase();
    // The Linux driver wrote the file that a Windows program sees on drive Z:, and under its
    // Linux path too: Wine takes a path that starts with "/" as a Linux path.
    EXPECT_TRUE(std::filesystem::exists(folder_.Windows("probe.db")));
    EXPECT_TRUE(std::filesystem::exists(folder_.Unix("probe.db")));

    auto db = Open();
    EXPECT_THAT(Sids(db), ElementsAre(10, 20, 30));
    // A BIT column reads as 1 for true, not as -1.
    EXPECT_THAT(db.Column("SELECT grid FROM entries ORDER BY id"), ElementsAre(1, 0, std::nullopt));
}

TEST_F(OdbcUnderWineTest, MissingFileOrFolderFailsToConnectWithNoCreat) {
    const auto missing = ErrorOf([&] { Open(); });
    EXPECT_EQ(missing.SqlState(), "HY000");
    EXPECT_EQ(missing.NativeError(), SqliteCantOpen);
    EXPECT_THAT(missing.what(), HasSubstr("[SQLite]connect failed"));
    EXPECT_FALSE(std::filesystem::exists(folder_.Windows("probe.db")));

    const auto folder =
        ErrorOf([&] { OdbcConnection(env_, SqliteText(folder_.Unix(""), "NoCreat=1")); });
    EXPECT_EQ(folder.SqlState(), "HY000");
    EXPECT_EQ(folder.NativeError(), SqliteCantOpen);
}

TEST_F(OdbcUnderWineTest, TheDriverGetsTheConnectionTextUnchangedSoOnlyTheLinuxPathOpens) {
    CreateDatabase();
    const auto windowsPath = folder_.Windows("probe.db").string();
    // The Linux driver looks for a file named "Z:\...": it does not exist.
    const auto error = ErrorOf([&] { OdbcConnection(env_, SqliteText(windowsPath, "NoCreat=1")); });
    EXPECT_EQ(error.SqlState(), "HY000");
    EXPECT_EQ(error.NativeError(), SqliteCantOpen);

    auto db = Open();
    EXPECT_THAT(Sids(db), ElementsAre(10, 20, 30));
}

TEST_F(OdbcUnderWineTest, TransactionWithAutocommitOffCommitsOrRollsBack) {
    CreateDatabase();
    auto writer = Open();
    auto reader = Open();

    writer.SetAutoCommit(false);
    writer.Execute("UPDATE entries SET sid = sid + 1");
    EXPECT_THAT(Sids(reader), ElementsAre(10, 20, 30));
    writer.Commit();
    EXPECT_THAT(Sids(reader), ElementsAre(11, 21, 31));

    writer.Execute("UPDATE entries SET sid = 0 WHERE id = 2");
    writer.Rollback();
    writer.SetAutoCommit(true);
    EXPECT_THAT(Sids(reader), ElementsAre(11, 21, 31));
    EXPECT_THAT(Sids(writer), ElementsAre(11, 21, 31));
}

TEST_F(OdbcUnderWineTest, WriteToALockedDatabaseFailsAsBusyOnceTheTimeoutIsOver) {
    CreateDatabase();
    auto holder = Open();
    holder.SetAutoCommit(false);
    holder.Execute("UPDATE entries SET sid = 1 WHERE id = 1");

    auto other = Open("NoCreat=1;Timeout=100");
    const auto error = ErrorOf([&] { other.Execute("UPDATE entries SET sid = 2"); });
    EXPECT_EQ(error.SqlState(), "HY000");
    EXPECT_EQ(error.NativeError(), SqliteBusy);
    EXPECT_THAT(error.what(), HasSubstr("database is locked"));
    // Reading still works, and sees the last committed values.
    EXPECT_THAT(Sids(other), ElementsAre(10, 20, 30));

    holder.Commit();
    holder.SetAutoCommit(true);
    other.Execute("UPDATE entries SET sid = 2 WHERE id = 2");
    EXPECT_THAT(Sids(holder), ElementsAre(1, 2, 30));
}

TEST_F(OdbcUnderWineTest, WriterWaitsForALockReleasedWithinItsTimeout) {
    CreateDatabase();
    auto holder = Open();
    holder.SetAutoCommit(false);
    holder.Execute("UPDATE entries SET sid = 1 WHERE id = 1");

    auto other = Open("NoCreat=1;Timeout=60000");
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        holder.Commit();
    });
    EXPECT_NO_THROW(other.Execute("UPDATE entries SET sid = 2 WHERE id = 2"));
    release.join();
    holder.SetAutoCommit(true);
    EXPECT_THAT(Sids(holder), ElementsAre(1, 2, 30));
}

TEST_F(OdbcUnderWineTest, AReadAfterCommitHoldsALockUntilAutocommitIsBackOn) {
    CreateDatabase();
    auto db = Open();
    db.SetAutoCommit(false);
    db.Execute("UPDATE entries SET sid = 1 WHERE id = 1");
    db.Commit();
    // With autocommit still off, this read opens the next transaction and keeps it open.
    EXPECT_THAT(Sids(db), ElementsAre(1, 20, 30));

    auto other = Open("NoCreat=1;Timeout=100");
    EXPECT_EQ(ErrorOf([&] { other.Execute("UPDATE entries SET sid = 2"); }).NativeError(),
              SqliteBusy);
    db.SetAutoCommit(true);
    other.Execute("UPDATE entries SET sid = 2");
    EXPECT_THAT(Sids(db), ElementsAre(2, 2, 2));
}

TEST_F(OdbcUnderWineTest, AFileThatIsNotADatabaseOpensButFailsAtTheFirstStatement) {
    std::ofstream(folder_.Windows("probe.db"), std::ios::binary)
        << std::string("\0\1\0\0Standard Jet DB\0", 20) << std::string(2000, 'x');
    auto db = Open();
    const auto error = ErrorOf([&] { Sids(db); });
    EXPECT_EQ(error.SqlState(), "HY000");
    EXPECT_EQ(error.NativeError(), SqliteNotADatabase);
    EXPECT_THAT(error.what(), HasSubstr("file is not a database"));
}

} // namespace
} // namespace karusello::winprobe

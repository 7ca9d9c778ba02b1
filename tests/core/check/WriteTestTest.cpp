// The write path tried once with --check --write: every entry written and read back, nothing
// committed.
#include "CheckHost.h"

#include "tests/support/hostdb/HostDb.h"

#include "core/playlistdb/DBEngine.h"

namespace karusello::test {
namespace {

using namespace std::chrono_literals;

TEST(WriteTest, WritesAndReadsBackEveryEntryAndLeavesTheFileAsItWas) {
    CheckHost h;
    h.MakeDatabase();
    const auto before = h.host.SortValues(17);
    const auto grid = h.host.SortValues(23);
    const std::string bytes = h.DatabaseBytes();

    const check::CheckReport report = h.Run("--check --write 17");

    const check::CheckItem item = Item(report, "write test");
    EXPECT_TRUE(item.ok) << item.detail;
    EXPECT_TRUE(Says(item, "5 entries")) << item.detail;
    EXPECT_EQ(report.Code(), ExitCode::Normal) << report.Text("");
    EXPECT_EQ(h.host.SortValues(17), before);
    EXPECT_EQ(h.host.SortValues(23), grid);
    EXPECT_EQ(h.DatabaseBytes(), bytes) << "nothing was committed";
}

// A driver that reports success for an update that never reaches the row: the read-back finds
// it out, as a shuffle at the station would otherwise seem to work and change nothing.
TEST(WriteTest, AValueThatDoesNotArriveIsAProblem) {
    CheckHost h;
    h.MakeDatabase();
    h.host.Db().Exec("create trigger keep_sid after update of sid on pl_all begin "
                     "update pl_all set sid = old.sid where plid = new.plid; end");
    const auto before = h.host.SortValues(17);

    const check::CheckReport report = h.Run("--check --write 17");

    const check::CheckItem item = Item(report, "write test");
    EXPECT_FALSE(item.ok);
    EXPECT_TRUE(Says(item, "reading them back gives other values")) << item.detail;
    EXPECT_TRUE(Says(item, "nothing committed")) << item.detail;
    EXPECT_EQ(report.Code(), ExitCode::CheckProblem);
    EXPECT_EQ(h.host.SortValues(17), before);
}

// While the host writes, the test cannot begin its transaction: a problem, and nothing written.
TEST(WriteTest, AHostHoldingTheDatabaseMakesItAProblem) {
    CheckHost h;
    h.MakeDatabase();
    const auto before = h.host.SortValues(17);
    dao::DBEngine& engine = dao::SharedDBEngine();
    engine.SetBusyTimeout(300ms);
    check::CheckReport report;
    {
        const HostWriteLock hostWrites(h.host.DbPath(), "BEGIN IMMEDIATE");
        report = h.Run("--check --write 17");
    }
    engine.SetBusyTimeout(dao::DBEngine::kDefaultBusyTimeout);

    const check::CheckItem item = Item(report, "write test");
    EXPECT_FALSE(item.ok);
    EXPECT_TRUE(Says(item, "error ")) << item.detail;
    EXPECT_EQ(h.host.SortValues(17), before);
}

} // namespace
} // namespace karusello::test

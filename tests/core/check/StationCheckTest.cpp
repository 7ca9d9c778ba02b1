#include "CheckHost.h"

#include "core/app/interfaces/ExitCode.h"

#include <functional>

namespace karusello::test {
namespace {

using Names = std::vector<std::string>;

TEST(StationCheck, OnAGoodHostEveryItemIsOkAndNothingIsChanged) {
    CheckHost h;
    h.MakeDatabase();
    const std::string ini = h.host.ReadIniText();
    const check::CheckReport report = h.Run("--check 17");

    EXPECT_EQ(
        ItemNames(report),
        (Names{"program", "host INI file", "plug-in entry", "database path", "skin file",
               "host window DB", "host window DJ", "database file", "database driver", "playlists",
               "playlist 17", "shuffle writes", "code page", "program and system", "display"}));
    EXPECT_EQ(ItemNames(report, true), Names{}) << report.Text("");
    EXPECT_EQ(report.Code(), ExitCode::Normal);
    EXPECT_TRUE(Says(Item(report, "plug-in entry"), "installed"));
    EXPECT_TRUE(Says(Item(report, "host window DJ"), "\"Brisolan DJ\""));
    EXPECT_TRUE(Says(Item(report, "playlists"), "3 in pl_name"));
    EXPECT_TRUE(Says(Item(report, "playlist 17"), "\"Morgenshow\""));
    EXPECT_TRUE(Says(Item(report, "playlist 17"), "5 entries"));
    EXPECT_EQ(h.host.ReadIniText(), ini);
}

// Each fault shows as a problem of the item it concerns, and of no other, and the check ends
// with its own exit code.
TEST(StationCheck, EachFaultIsAProblemOfItsOwnItem) {
    struct Case {
        const char* fault;
        std::string arguments;
        Names problems;
        std::function<void(CheckHost&)> make = [](CheckHost&) {
        };
        bool database = true;
    };
    const std::vector<Case> cases = {
        {"a dead host window",
         "--check 17",
         {"host window DB"},
         [](CheckHost& h) {
             h.windows.live.erase(kDbWindow);
         }},
        {"no host window handle",
         "--check 17",
         {"host window DJ"},
         [](CheckHost& h) {
             h.WriteIni(kDbWindow, 0);
         }},
        {"a handle out of range",
         "--check 17",
         {"host INI values"},
         [](CheckHost& h) {
             h.WriteIni("99999999999", std::to_string(kDjWindow), "PNID");
         }},
        {"a read-only INI file",
         "--check 17",
         {"host INI file"},
         [](CheckHost& h) {
             h.platform.access[h.host.IniPath().string()] = {true, true, false, "read-only"};
         }},
        {"an incomplete plug-in entry",
         "--check 17",
         {"plug-in entry"},
         [](CheckHost& h) {
             h.WriteIni(kDbWindow, kDjWindow, "NOTHING");
         }},
        {"a missing skin",
         "--check 17",
         {"skin file"},
         [](CheckHost& h) {
             std::filesystem::remove(h.host.Path() / "skin" / "brisolan.skn");
         }},
        {"a missing database", "--check 17", {"database path"}, [](CheckHost&) {}, false},
        {"a file that is no database",
         "--check 17",
         {"database file"},
         [](CheckHost& h) { std::ofstream(h.host.DbPath(), std::ios::binary) << "no database"; },
         false},
        {"a read-only database",
         "--check 17",
         {"database file"},
         [](CheckHost& h) {
             h.platform.access[h.host.DbPath().string()] = {true, true, false, "read-only"};
         }},
        {"a grid playlist", "--check 23", {"playlist 23"}},
        {"a grid playlist to write", "--check --write 23", {"playlist 23", "write test"}},
        {"no such playlist", "--check 99", {"playlist 99"}},
        {"no playlist to write", "--check --write", {"write test"}},
        {"an empty playlist to write", "--check --write 18", {"write test"}},
        {"a misspelt option", "--check --wirte 17", {"arguments"}},
        {"a folder outside the code page",
         "--check 17",
         {"code page"},
         [](CheckHost& h) {
             h.platform.facts.codePage->folderFits = false;
         }},
        {"a program that is not DPI-aware",
         "--check 17",
         {"display"},
         [](CheckHost& h) {
             h.platform.facts.display->dpiAware = false;
         }},
    };
    for (const Case& c : cases) {
        CheckHost h;
        if (c.database) {
            h.MakeDatabase();
        }
        c.make(h);
        const check::CheckReport report = h.Run(c.arguments);
        EXPECT_EQ(ItemNames(report, true), c.problems) << c.fault << "\n" << report.Text("");
        EXPECT_EQ(report.Code(), ExitCode::CheckProblem) << c.fault;
    }
}

// A driver that can read pl_all but not change its rows: the entry query runs on a view.
TEST(StationCheck, NoWayToWriteIsAProblemAndTheWriteTestIsRefused) {
    CheckHost h;
    h.MakeDatabase();
    h.host.Db().Exec("alter table pl_all rename to pl_entries");
    h.host.Db().Exec("create view pl_all as select * from pl_entries");
    const check::CheckReport report = h.Run("--check --write 17");
    EXPECT_EQ(ItemNames(report, true), (Names{"shuffle writes", "write test"})) << report.Text("");
    EXPECT_TRUE(Says(Item(report, "write test"), "refused"));
}

// The playlist is judged as the plug-in judges it at its start: a grid flag that cannot be
// compared leaves the playlist alone, a name that cannot be read is passed over.
TEST(StationCheck, JudgesThePlaylistAsThePluginDoes) {
    CheckHost h;
    h.MakeDatabase();
    h.host.Db().Exec("update pl_name set grid='x' where nid=17");
    h.host.Db().Exec("update pl_name set Name=null where nid=18");
    const check::CheckReport report = h.Run("--check 17");
    EXPECT_EQ(ItemNames(report, true), (Names{"playlist 17"})) << report.Text("");
    EXPECT_TRUE(Says(Item(report, "playlist 17"), "leaves it alone"));
    const check::CheckReport unnamed = h.Run("--check 18");
    EXPECT_EQ(ItemNames(unnamed, true), Names{}) << unnamed.Text("");
    EXPECT_TRUE(Says(Item(unnamed, "playlist 18"), "without a name"));
}

} // namespace
} // namespace karusello::test

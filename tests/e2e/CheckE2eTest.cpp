// karusello --check on the demo host that hostsim runs: the report, its exit code, and that the
// check changes nothing, tells the host nothing and leaves a running Karusello alone.

#include "DesktopTools.h"
#include "HostsimDriver.h"
#include "RobustnessSupport.h"
#include "tests/support/FileText.h"
#include "tests/support/PluginFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <sstream>

namespace karusello::e2e {
namespace {

using namespace std::chrono_literals;

constexpr auto kCheckEnd = 60s;
constexpr std::int32_t kMorgenshow = 17;

struct CheckRun {
    std::optional<int> code;
    std::string report;
};

// The names of the items that the report marks as a problem, in its order.
std::vector<std::string> Problems(const std::string& report) {
    std::vector<std::string> names;
    std::istringstream lines(report);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("PROBLEM  ", 0) == 0) {
            names.push_back(line.substr(9, line.find(':') - 9));
        }
    }
    return names;
}

int OkLines(const std::string& report) {
    int count = 0;
    std::istringstream lines(report);
    for (std::string line; std::getline(lines, line);) {
        count += line.rfind("OK       ", 0) == 0 ? 1 : 0;
    }
    return count;
}

class CheckSession : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string reason = SkipReason(x, false); !reason.empty()) {
            GTEST_SKIP() << reason;
        }
        if (!HostsimDriver::Available()) {
            GTEST_SKIP() << "needs hostsim";
        }
        host = std::make_unique<HostsimDriver>(kMorgenshow);
    }

    CheckRun Check(const std::vector<std::string>& args) {
        const auto output = host->Scratch() / ("check-" + std::to_string(++runs) + ".txt");
        test::ChildProcess run((host->Folder() / "karusello").string(), args,
                               test::PluginEnvironment(host->Scratch() / "run"), output);
        CheckRun result{run.WaitFor(kCheckEnd), {}};
        result.report = test::ReadText(output);
        return result;
    }

    void ReplaceInIni(const std::string& pattern, const std::string& replacement) {
        const std::string text = test::ReadText(host->Ini());
        std::ofstream(host->Ini(), std::ios::binary | std::ios::trunc)
            << std::regex_replace(text, std::regex(pattern), replacement);
    }

    XDisplay x;
    std::unique_ptr<HostsimDriver> host;
    int runs = 0;
};

TEST_F(CheckSession, OnTheDemoHostEveryItemIsOkAndNothingChanges) {
    const std::string ini = test::ReadText(host->Ini());
    const std::string database = test::ReadText(host->Database());

    const CheckRun run = Check({"--check", "17"});

    EXPECT_EQ(run.code, 0) << run.report << host->Errors();
    EXPECT_EQ(Problems(run.report), std::vector<std::string>{}) << run.report;
    EXPECT_GE(OkLines(run.report), 12) << run.report;
    EXPECT_NE(run.report.find("OK       plug-in entry: not installed yet"), std::string::npos);
    EXPECT_NE(run.report.find("OK       playlist 17: \"Morgenshow\""), std::string::npos);
    EXPECT_TRUE(std::regex_search(run.report, std::regex("OK       host window DB: .*\"Brisolan")))
        << run.report;
    EXPECT_EQ(test::ReadText(host->Ini()), ini) << "the check installs nothing";
    EXPECT_EQ(test::ReadText(host->Database()), database);
    EXPECT_EQ(host->Messages(), std::vector<std::string>{});

    const CheckRun version = Check({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.report, std::string("Karusello ") + KARUSELLO_VERSION + "\n");
}

TEST_F(CheckSession, EachFaultIsAProblemOfItsItemAndEndsWithCode7) {
    const xcb_window_t gone = x.CreateWindow("Brisolan Datenbank (weg)");
    x.DestroyWindow(gone);
    const std::string ini = test::ReadText(host->Ini());
    const auto database = host->Database();
    const auto away = host->Scratch() / "brisolan.mdb.away";

    struct Case {
        const char* fault;
        std::vector<std::string> args;
        std::vector<std::string> problems;
        std::function<void()> make = [] {
        };
        std::function<void()> undo = [] {
        };
    };
    const std::vector<Case> cases = {
        {"a dead host window handle",
         {"--check", "17"},
         {"host window DB"},
         [&] { ReplaceInIni("Handle\\.DB=[0-9]+", "Handle.DB=" + std::to_string(gone)); },
         [&] {
             std::ofstream(host->Ini(), std::ios::binary | std::ios::trunc) << ini;
         }},
        {"a missing database",
         {"--check", "17"},
         {"database path"},
         [&] { std::filesystem::rename(database, away); },
         [&] {
             std::filesystem::rename(away, database);
         }},
        {"a grid playlist", {"--check", "23"}, {"playlist 23"}},
    };
    for (const Case& c : cases) {
        c.make();
        const CheckRun run = Check(c.args);
        c.undo();
        EXPECT_EQ(run.code, 7) << c.fault << "\n" << run.report;
        EXPECT_EQ(Problems(run.report), c.problems) << c.fault << "\n" << run.report;
    }

    Unwritable readOnly(host->Ini());
    if (!readOnly.Done()) {
        GTEST_SKIP() << "no read-only INI file: " << readOnly.Reason();
    }
    const CheckRun run = Check({"--check", "17"});
    EXPECT_EQ(run.code, 7) << run.report;
    EXPECT_EQ(Problems(run.report), std::vector<std::string>{"host INI file"}) << run.report;
}

TEST_F(CheckSession, TheWriteTestLeavesTheDatabaseByteIdenticalAndTellsTheHostNothing) {
    const std::string database = test::ReadText(host->Database());
    const std::string order = host->Command("order");

    const CheckRun run = Check({"--check", "--write", "17"});

    EXPECT_EQ(run.code, 0) << run.report << host->Errors();
    EXPECT_NE(run.report.find("OK       write test: 300 entries"), std::string::npos) << run.report;
    EXPECT_EQ(test::ReadText(host->Database()), database);
    EXPECT_EQ(host->Command("order"), order);
    EXPECT_EQ(host->Messages(), std::vector<std::string>{});
}

// The check takes no single-instance lock: the running window goes on, and still holds the lock
// against a second start.
TEST_F(CheckSession, ARunningKaruselloKeepsItsWindowAndItsLock) {
    const pid_t installer = host->StartPlugin();
    ASSERT_EQ(host->WaitForPluginEnd(installer, kCheckEnd), 2) << host->Errors();
    const pid_t plugin = host->StartPlugin();
    ASSERT_TRUE(WaitUntil([&] { return !x.WindowsTitled("Brisolan Karusello").empty(); }, 60000))
        << host->Errors();

    const CheckRun run = Check({"--check", "--write", "17"});
    EXPECT_EQ(run.code, 0) << run.report;
    EXPECT_NE(run.report.find("OK       plug-in entry: installed"), std::string::npos);

    EXPECT_TRUE(host->PluginRunning(plugin));
    const pid_t second = host->StartPlugin();
    EXPECT_EQ(host->WaitForPluginEnd(second, kCheckEnd), 3) << host->Errors();
    EXPECT_TRUE(host->PluginRunning(plugin));
    EXPECT_EQ(host->Messages(), std::vector<std::string>{});
}

} // namespace
} // namespace karusello::e2e

// The hostsim program as tests and scripts drive it: started as a process, asked through its
// standard input, and sent host messages over the X server like the plug-in sends them.

#include "HostProcess.h"
#include "TempHost.h"
#include "XClient.h"

#include "tests/support/PrivateXServer.h"

#include "tools/hostcore/HostIni.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <csignal>
#include <sstream>
#include <thread>

namespace karusello::hostsim {
namespace {

namespace fs = std::filesystem;
using karusello::test::PrivateXServer;
using test::HostProcess;
using test::patience;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The file's lines once it has at least count of them, or what it has when the time is up.
std::vector<std::string> WaitForLines(const fs::path& file, std::size_t count) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    std::vector<std::string> lines = Lines(test::ReadText(file));
    while (lines.size() < count && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        lines = Lines(test::ReadText(file));
    }
    return lines;
}

void UpdateSortValues(const fs::path& database, const std::string& sql) {
    SQLite::Database db(database.string(), SQLite::OPEN_READWRITE);
    db.exec(sql);
}

class HostSimProgramTest : public ::testing::Test {
protected:
    fs::path Host() const { return temp_.Path() / "host"; }
    fs::path Log() const { return temp_.Path() / "messages.log"; }

    // Reads up to the ready line; its handles must be the ones in the INI file.
    WindowHandles ReadyHandles(HostProcess& sim) {
        const auto ready = sim.ReadLine(patience);
        EXPECT_TRUE(ready && ready->rfind("ready DB=", 0) == 0) << ready.value_or("(nothing)");
        const WindowHandles handles = HostIni(Host()).ReadHandles();
        EXPECT_EQ(ready.value_or(""),
                  "ready DB=" + std::to_string(handles.db) + " DJ=" + std::to_string(handles.dj));
        return handles;
    }

    test::TempFolder temp_;
};

TEST_F(HostSimProgramTest, PublishesItsWindowsRecordsMessagesAndWithdrawsWhenClosed) {
    PrivateXServer server;
    REQUIRE_PRIVATE_SERVER(server);
    HostProcess sim(
        {"--host", Host().string(), "--create", "--log", Log().string(), "--show", "17"},
        server.Display());
    const WindowHandles handles = ReadyHandles(sim);
    ASSERT_NE(handles.db, 0U);
    ASSERT_NE(handles.dj, 0U);
    EXPECT_EQ(sim.Ask("handles"),
              "ok DB=" + std::to_string(handles.db) + " DJ=" + std::to_string(handles.dj));
    test::XClient x(server.Display());
    EXPECT_TRUE(x.WindowExists(handles.db));
    EXPECT_TRUE(x.WindowExists(handles.dj));
    EXPECT_EQ(x.Title(handles.db), "Brisolan Datenbank");
    EXPECT_EQ(x.Title(handles.dj), "Brisolan DJ");
    const std::string before = sim.Ask("order");
    EXPECT_EQ(before.rfind("ok nid=17 sids=1,2,3,", 0), 0U) << before;

    // What the plug-in does: new sort values, then the message to both windows.
    UpdateSortValues(Host() / "brisolan.mdb", "update pl_all set sid = 1000 - sid where pnid=17");
    x.SendHostMessage(handles.db, {1042, 211, 0});
    x.SendHostMessage(handles.dj, {1042, 211, 0});
    x.SendHostMessage(handles.db, {-7, 0, 1});
    const std::vector<std::string> expected = {
        "message window=DB handle=" + std::to_string(handles.db) + " values=1042,211,0",
        "message window=DJ handle=" + std::to_string(handles.dj) + " values=1042,211,0",
        "message window=DB handle=" + std::to_string(handles.db) + " values=-7,0,1"};
    EXPECT_EQ(WaitForLines(Log(), 3), expected);
    EXPECT_EQ(sim.Ask("order").rfind("ok nid=17 sids=700,701,702,", 0), 0U)
        << "shown again in the new order";

    EXPECT_EQ(sim.Ask("close"), "ok");
    EXPECT_EQ(sim.WaitFor(patience), 0);
    EXPECT_EQ(test::ReadText(Host() / "brisolan.ini").find("Handle.D"), std::string::npos);
    EXPECT_FALSE(x.WindowExists(handles.db));
    EXPECT_FALSE(x.WindowExists(handles.dj));
}

TEST_F(HostSimProgramTest, ClosesOneWindowAloneAndEndsCleanlyOnSigterm) {
    PrivateXServer server;
    REQUIRE_PRIVATE_SERVER(server);
    HostProcess sim({"--host", Host().string(), "--create"}, server.Display());
    const WindowHandles handles = ReadyHandles(sim);
    test::XClient x(server.Display());

    EXPECT_EQ(sim.Ask("close DJ"), "ok");
    EXPECT_FALSE(x.WindowExists(handles.dj));
    EXPECT_TRUE(x.WindowExists(handles.db));
    EXPECT_EQ(HostIni(Host()).ReadHandles().dj, handles.dj) << "left behind as a stale handle";
    EXPECT_EQ(sim.Ask("close DJ"), "error DJ is not open");
    EXPECT_EQ(sim.Ask("screenshot " + (temp_.Path() / "one window.png").string()).rfind("ok", 0),
              0U);
    EXPECT_TRUE(fs::file_size(temp_.Path() / "one window.png") > 0);

    sim.Signal(SIGTERM);
    EXPECT_EQ(sim.WaitFor(patience), 0);
    EXPECT_EQ(test::ReadText(Host() / "brisolan.ini").find("Handle.D"), std::string::npos);
    EXPECT_FALSE(x.WindowExists(handles.db));
}

TEST_F(HostSimProgramTest, StartsThePluginFromTheHostFolderWithoutADisplay) {
    // A stand-in plug-in that notes how it was started.
    const fs::path build = temp_.Path() / "build";
    fs::create_directories(build);
    const fs::path plugin = build / "karusello";
    test::WriteFile(plugin, "#!/bin/sh\n"
                            "echo \"$0 $* $(pwd)\" > \"$(dirname \"$0\")/started.txt\"\n");
    fs::permissions(plugin, fs::perms::owner_all);

    HostProcess sim({"--host", Host().string(), "--create", "--plugin", plugin.string(), "--show",
                     "23", "--no-windows"});
    EXPECT_EQ(sim.ReadLine(patience), "ready");
    EXPECT_EQ(sim.Ask("handles"), "error no windows");
    EXPECT_EQ(sim.Ask("shuffle").rfind("ok pid=", 0), 0U);
    const std::vector<std::string> started = WaitForLines(Host() / "started.txt", 1);
    EXPECT_EQ(started,
              std::vector<std::string>{(Host() / "karusello").string() + " 23 " + Host().string()});
    EXPECT_EQ(sim.Ask("rename 23 Raster neu"), "ok");
    EXPECT_EQ(sim.Ask("show 23"), "ok nid=23 grid=-1 entries=24 name=Raster neu");
    EXPECT_EQ(sim.Ask("close"), "ok");
    EXPECT_EQ(sim.WaitFor(patience), 0);
}

TEST_F(HostSimProgramTest, RefusesAMissingHostADisplayAndABadCommandLine) {
    HostProcess missing({"--host", (temp_.Path() / "nothing").string(), "--no-windows"});
    EXPECT_EQ(missing.WaitFor(patience), 1);
    HostProcess noDisplay({"--host", Host().string(), "--create"});
    EXPECT_EQ(noDisplay.WaitFor(patience), 1) << "an error, not an abort";
    EXPECT_FALSE(fs::exists(Host() / "brisolan.ini")) << "nothing made before the check";
    HostProcess noHost({"--no-windows"});
    EXPECT_EQ(noHost.WaitFor(patience), 2);
}

} // namespace
} // namespace karusello::hostsim

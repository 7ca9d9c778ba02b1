// Sessions with the host simulator: hostsim starts Karusello as the host does, the tests click
// Karusello's real buttons and read what hostsim shows and receives.

#include "DesktopTools.h"
#include "E2eHost.h"
#include "HostsimDriver.h"
#include "HostsimSupport.h"
#include "tests/support/FileText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace karusello::e2e {
namespace {

using namespace std::chrono_literals;

const std::string kTitle = "Brisolan Karusello";
constexpr std::int32_t kMorgenshow = 17;
constexpr std::int32_t kNachtprogramm = 8;
// Bounds that only keep a broken run from hanging; the behaviours themselves are faster.
constexpr auto kProgramEnd = 60s;
constexpr auto kHostGoneEnd = 10s;
constexpr int kNameRefreshMs = 8000;

class HostsimSession : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string reason = SkipReason(x, true); !reason.empty()) {
            GTEST_SKIP() << reason;
        }
        if (!HostsimDriver::Available()) {
            GTEST_SKIP() << "needs hostsim";
        }
        host = std::make_unique<HostsimDriver>(kMorgenshow);
    }

    void TearDown() override { host.reset(); }

    // The first start only writes the plug-in entry into the host INI file.
    void Install() {
        const pid_t first = host->StartPlugin();
        ASSERT_EQ(host->WaitForPluginEnd(first, kProgramEnd), 2) << host->Errors();
    }

    // Installs the plug-in and starts it again on the shown playlist; sets plugin and window.
    void OpenWindow() {
        ASSERT_NO_FATAL_FAILURE(Install());
        plugin = host->StartPlugin();
        ASSERT_TRUE(WaitUntil([&] { return PluginWindows().size() == 1 || !Running(); }, 60000));
        ASSERT_TRUE(Running()) << "ended with " << host->WaitForPluginEnd(plugin, 0ms).value_or(0)
                               << ": " << host->Errors();
        window = PluginWindows().front();
        ASSERT_TRUE(WaitUntil([&] { return ButtonsShown(); })) << "the window and its buttons";
    }

    bool Running() { return host->PluginRunning(plugin); }
    std::vector<xcb_window_t> PluginWindows() { return x.WindowsTitled(kTitle); }
    bool ButtonsShown() {
        if (!x.Viewable(window)) {
            return false;
        }
        const auto children = x.ChildrenOf(window);
        return std::count_if(children.begin(), children.end(),
                             [&](xcb_window_t child) { return x.Viewable(child); }) >= 4;
    }

    ShownOrder Order() { return ParseOrder(host->Command("order")); }
    void ClickAndWaitForMessages(Point button, std::size_t messages) {
        ASSERT_TRUE(Click(window, button, host->Scratch()));
        ASSERT_TRUE(host->WaitForMessages(messages)) << host->Errors();
    }
    // A click on a playlist that must be left alone: the information line says why, and the
    // host is told nothing (the click would have told it before the line changed).
    void ClickAndSeeTheLineChange(Point button, const std::vector<std::uint8_t>& line) {
        ASSERT_TRUE(Click(window, button, host->Scratch()));
        ASSERT_TRUE(WaitUntil([&] { return InfoLine() != line; }, kNameRefreshMs))
            << host->Errors();
        std::this_thread::sleep_for(500ms);
        EXPECT_TRUE(host->Messages().empty());
    }
    std::vector<std::string> Notified(const std::string& values) {
        return {MessageLine("DB", host->DbHandle(), values),
                MessageLine("DJ", host->DjHandle(), values)};
    }
    std::string Rows(const std::string& sql) {
        return QueryRows(host->Database(), sql, host->Scratch());
    }
    std::vector<std::uint8_t> InfoLine() { return Pixels(window, kInfoLineRegion); }
    // The line once it is painted: text on its background, the same in two looks a moment apart.
    std::vector<std::uint8_t> SettledInfoLine() {
        std::vector<std::uint8_t> settled;
        WaitUntil([&] {
            const auto first = InfoLine();
            std::this_thread::sleep_for(300ms);
            settled = InfoLine();
            return settled == first && !IsUniform(settled);
        });
        return settled;
    }

    XDisplay x;
    std::unique_ptr<HostsimDriver> host;
    pid_t plugin = 0;
    xcb_window_t window = 0;
};

TEST_F(HostsimSession, TheFirstStartInstallsAndTheNextOpensOnTheShownPlaylist) {
    ASSERT_NO_FATAL_FAILURE(Install());
    const std::string ini = test::ReadText(host->Ini());
    EXPECT_NE(ini.find("[PLUGIN]\r\nkarusello=karusello\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("[PLUGIN_Menu]\r\nkarusello=Shuffle Playlist\r\n"), std::string::npos);
    EXPECT_NE(ini.find("[PLUGIN_Option]\r\nkarusello=PNID\r\n"), std::string::npos);
    EXPECT_TRUE(PluginWindows().empty());

    ASSERT_EQ(host->Command("show " + std::to_string(kNachtprogramm)).rfind("ok nid=8 ", 0), 0u);
    plugin = host->StartPlugin();
    // The process exists before it runs the plug-in's program.
    ASSERT_TRUE(WaitUntil([&] {
        const auto words = CommandLineOf(plugin);
        return !words.empty() && words.front() == (host->Folder() / "karusello").string();
    }));
    EXPECT_EQ(CommandLineOf(plugin),
              (std::vector<std::string>{(host->Folder() / "karusello").string(), "8"}));
    EXPECT_TRUE(WaitUntil([&] { return PluginWindows().size() == 1; }, 60000)) << host->Errors();
    EXPECT_TRUE(Running());
}

TEST_F(HostsimSession, ShuffleAndRestoreRewriteTheOrderAndNotifyBothHostWindows) {
    ASSERT_NO_FATAL_FAILURE(OpenWindow());
    const ShownOrder before = Order();
    ASSERT_FALSE(before.sids.empty());

    ASSERT_NO_FATAL_FAILURE(ClickAndWaitForMessages(kShuffleClick, 2));
    EXPECT_EQ(host->Messages(), Notified("1042,211,0"));
    const ShownOrder shuffled = Order();
    EXPECT_TRUE(IsShuffledOrder(shuffled)) << host->Command("order");
    EXPECT_NE(shuffled.plids, before.plids) << "the entries are shown in a new order";
    auto sortedPlids = [](std::vector<std::string> plids) {
        std::sort(plids.begin(), plids.end());
        return plids;
    };
    EXPECT_EQ(sortedPlids(shuffled.plids), sortedPlids(before.plids));

    ASSERT_NO_FATAL_FAILURE(ClickAndWaitForMessages(kRestoreClick, 4));
    auto expected = Notified("1042,211,0");
    for (const auto& line : Notified("1042,0,0")) {
        expected.push_back(line);
    }
    EXPECT_EQ(host->Messages(), expected);
    const ShownOrder restored = Order();
    EXPECT_EQ(restored.plids, before.plids);
    EXPECT_EQ(SidsByPlid(restored), SidsByPlid(before));
    EXPECT_TRUE(Running());
}

TEST_F(HostsimSession, ARenameShowsInTheInformationLine) {
    ASSERT_NO_FATAL_FAILURE(OpenWindow());
    ASSERT_TRUE(ParkPointer(host->Scratch()));
    const auto original = SettledInfoLine();
    ASSERT_FALSE(IsUniform(original)) << "the line shows its text";

    ASSERT_EQ(host->Command("rename 17 Frühstück am Hafen"), "ok");
    EXPECT_TRUE(WaitUntil([&] { return InfoLine() != original; }, kNameRefreshMs))
        << "the line shows the new name";

    const auto renamed = SettledInfoLine();
    EXPECT_NE(renamed, original);
    EXPECT_FALSE(WaitUntil([&] { return InfoLine() != renamed; }, kNameRefreshMs))
        << "an unchanged name leaves the line as it is";
    EXPECT_TRUE(Running());
}

TEST_F(HostsimSession, AShuffleOfAPlaylistTurnedIntoAGridPlaylistWritesNothingAndSaysWhy) {
    ASSERT_NO_FATAL_FAILURE(OpenWindow());
    ASSERT_TRUE(ParkPointer(host->Scratch()));
    const auto line = SettledInfoLine();
    const ShownOrder before = Order();
    const std::string entries = Rows("SELECT plid, pnid, sid FROM pl_all ORDER BY plid");

    ASSERT_EQ(host->Command("grid 17 -1"), "ok");
    ASSERT_NO_FATAL_FAILURE(ClickAndSeeTheLineChange(kShuffleClick, line));
    const ShownOrder after = Order();
    EXPECT_FALSE(after.missing);
    EXPECT_EQ(after.sids, before.sids);
    EXPECT_EQ(after.plids, before.plids);
    EXPECT_EQ(Rows("SELECT plid, pnid, sid FROM pl_all ORDER BY plid"), entries);
    EXPECT_TRUE(Running());
}

TEST_F(HostsimSession, AShuffleOfADeletedPlaylistWritesNothingAndSaysWhy) {
    ASSERT_NO_FATAL_FAILURE(OpenWindow());
    ASSERT_TRUE(ParkPointer(host->Scratch()));
    const auto line = SettledInfoLine();
    ASSERT_EQ(host->Command("delete 17"), "ok");
    const std::string entries = Rows("SELECT plid, pnid, sid FROM pl_all ORDER BY plid");
    const std::string playlists = Rows("SELECT nid, Name, grid FROM pl_name ORDER BY nid");
    EXPECT_EQ(Rows("SELECT count(*) FROM pl_all WHERE pnid = 17"), "0\n");
    EXPECT_NE(Rows("SELECT count(*) FROM pl_all"), "0\n");

    ASSERT_NO_FATAL_FAILURE(ClickAndSeeTheLineChange(kShuffleClick, line));
    EXPECT_TRUE(Order().missing);
    EXPECT_EQ(Rows("SELECT plid, pnid, sid FROM pl_all ORDER BY plid"), entries);
    EXPECT_EQ(Rows("SELECT nid, Name, grid FROM pl_name ORDER BY nid"), playlists);
    EXPECT_TRUE(Running());
}

TEST_F(HostsimSession, KaruselloEndsWhenTheHostClosesItsWindows) {
    ASSERT_NO_FATAL_FAILURE(OpenWindow());
    EXPECT_EQ(host->Close(), 0) << host->Errors();
    EXPECT_EQ(host->WaitForPluginEnd(plugin, kHostGoneEnd), 4) << host->Errors();
    EXPECT_TRUE(PluginWindows().empty());
}

TEST_F(HostsimSession, ASecondStartActivatesTheFirstWindowAndEnds) {
    ASSERT_NO_FATAL_FAILURE(OpenWindow());
    const xcb_window_t cover = x.CreateWindow("Verdeckt");

    const pid_t second = host->StartPlugin();
    EXPECT_EQ(host->WaitForPluginEnd(second, kProgramEnd), 3) << host->Errors();
    EXPECT_TRUE(WaitUntil([&] { return x.IsAbove(window, cover); }))
        << "the first window is above the window that covered it";
    EXPECT_TRUE(Running());
    EXPECT_EQ(PluginWindows().size(), 1u);
    x.DestroyWindow(cover);
}

} // namespace
} // namespace karusello::e2e

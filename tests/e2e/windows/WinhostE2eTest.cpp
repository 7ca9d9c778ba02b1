// The Windows program end to end under Wine: the stand-in host shows a playlist and starts the
// plug-in from its menu entry, and the test clicks the plug-in's real buttons.

#include "PluginWindow.h"
#include "TestHost.h"
#include "WinhostSession.h"
#include "windows/system/Utf16.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace karusello::e2e {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

constexpr int kEntries = 40;
// Generous bounds for what takes a moment under Wine on a busy machine; never asserted as times.
constexpr auto kStart = 60s;
constexpr auto kWatchdog = 20s;

constexpr DWORD kInstalled = 2;
constexpr DWORD kAnotherInstance = 3;
constexpr DWORD kNoHostWindow = 4;

std::string Handle(HWND window) {
    return std::to_string(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window)));
}

std::string Line(const std::string& name, HWND window, const std::string& values) {
    return "message window=" + name + " handle=" + Handle(window) + " values=" + values;
}

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, ',');) {
        parts.push_back(part);
    }
    return parts;
}

// The host's "order" answer as the sort value of each plid.
std::map<std::string, std::string> SidOfPlid(const std::string& answer) {
    const std::vector<std::string> sids = Split(Field(answer, "sids"));
    const std::vector<std::string> plids = Split(Field(answer, "plids"));
    std::map<std::string, std::string> byPlid;
    for (std::size_t i = 0; i < plids.size() && i < sids.size(); ++i) {
        byPlid[plids[i]] = sids[i];
    }
    return byPlid;
}

// Every sort value a number, none twice, all within 0 .. entries + 99, as a shuffle gives them.
bool IsShuffled(const std::map<std::string, std::string>& order) {
    std::set<long> seen;
    for (const auto& [plid, sid] : order) {
        if (sid.empty() || sid.find_first_not_of("0123456789") != std::string::npos) {
            return false;
        }
        const long value = std::stol(sid);
        if (value > kEntries + 99 || !seen.insert(value).second) {
            return false;
        }
    }
    return order.size() == static_cast<std::size_t>(kEntries);
}

Lines LogFileLines(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    Lines lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Clicks a button of the plug-in's window and waits for the host to have received count
// messages in all.
void ClickAndWait(HWND window, const std::wstring& button, WinhostSession& session,
                  std::size_t count) {
    const HWND target = FindButton(window, button);
    ASSERT_NE(target, nullptr) << "no button " << std::string(button.begin(), button.end());
    ASSERT_TRUE(Click(target));
    ASSERT_TRUE(session.WaitForMessages(count)) << session.Errors();
}

// Starts the plug-in from the host's menu entry and waits for its window.
HWND OpenPluginWindow(WinhostSession& session, DWORD& plugin) {
    plugin = session.StartPlugin();
    return WaitForPluginWindow(plugin, kStart);
}

class WinhostE2eTest : public ::testing::Test {
protected:
    void Install() const {
        host_.SetIniValue("PLUGIN", "karusello", "karusello");
        host_.SetIniValue("PLUGIN_Menu", "karusello", "Shuffle Playlist");
        host_.SetIniValue("PLUGIN_Option", "karusello", "PNID");
    }

    TestHost host_{kEntries};
};

TEST_F(WinhostE2eTest, InstallsShufflesRestoresAndFollowsTheHost) {
    WinhostSession session(host_.Folder(), 17);
    const HWND db = session.DbWindow();
    const HWND dj = session.DjWindow();
    EXPECT_EQ(host_.IniValue("Message", "Handle.DB"), Handle(db));
    EXPECT_EQ(host_.IniValue("Message", "Handle.DJ"), Handle(dj));
    EXPECT_EQ(session.Command("show 17"), "ok nid=17 grid=0 entries=40 name=Morgenshow");

    // The first start only installs the plug-in. Wine's profile functions rewrite the whole
    // file, so the entries are compared, not the bytes.
    const DWORD installer = session.StartPlugin();
    ASSERT_EQ(session.WaitForEnd(installer, kStart), kInstalled) << session.Errors();
    EXPECT_EQ(host_.IniValue("PLUGIN", "karusello"), "karusello");
    EXPECT_EQ(host_.IniValue("PLUGIN_Menu", "karusello"), "Shuffle Playlist");
    EXPECT_EQ(host_.IniValue("PLUGIN_Option", "karusello"), "PNID");
    EXPECT_EQ(host_.IniValue("Global", "SkinFileName"), "brisolan.skn") << "the host's own keys";
    EXPECT_EQ(host_.IniValue("Message", "Handle.DB"), Handle(db));
    EXPECT_EQ(host_.IniValue("Message", "Handle.DJ"), Handle(dj));

    // The second start opens the window.
    const DWORD plugin = session.StartPlugin();
    const HWND window = WaitForPluginWindow(plugin, kStart);
    ASSERT_NE(window, nullptr) << "no window; ended: "
                               << session.WaitForEnd(plugin, 0ms).value_or(0xFFFFFFFF) << "\n"
                               << session.Errors();
    const auto before = SidOfPlid(session.Command("order"));
    const std::vector<std::string> storedBefore = host_.SidsByPlid(17);
    EXPECT_TRUE(session.Messages().empty()) << "nothing before a click";

    // Shuffle: both host windows are told, the database window first; the host reads the new
    // order, which is what the database holds.
    ClickAndWait(window, L"Shuffle", session, 2);
    EXPECT_EQ(session.Messages(),
              (Lines{Line("DB", db, "1042,211,0"), Line("DJ", dj, "1042,211,0")}));
    const auto shuffled = SidOfPlid(session.Command("order"));
    EXPECT_TRUE(IsShuffled(shuffled)) << session.Command("order");
    EXPECT_NE(shuffled, before);
    std::vector<std::string> shownSids;
    for (const auto& [plid, sid] : shuffled) {
        shownSids.push_back(sid);
    }
    EXPECT_EQ(shownSids, host_.SidsByPlid(17)) << "the host shows what the database holds";

    // Restore: the old order, and both windows are told again.
    ClickAndWait(window, L"Wiederherstellen", session, 4);
    EXPECT_EQ(Lines(session.Messages().begin() + 2, session.Messages().end()),
              (Lines{Line("DB", db, "1042,0,0"), Line("DJ", dj, "1042,0,0")}));
    EXPECT_EQ(SidOfPlid(session.Command("order")), before);
    EXPECT_EQ(host_.SidsByPlid(17), storedBefore);

    // Another start while the window is open brings that window to the front and ends.
    ::SetForegroundWindow(db);
    ASSERT_TRUE(WaitForForeground(db, kStart)) << "the host's window in front first";
    const DWORD second = session.StartPlugin();
    EXPECT_EQ(session.WaitForEnd(second, kStart), kAnotherInstance) << session.Errors();
    EXPECT_TRUE(WaitForForeground(window, kStart)) << "the plug-in's window in front";
    EXPECT_FALSE(session.WaitForEnd(plugin, 0ms)) << "the first instance runs on";

    // With the database window gone its handle in the INI file is stale: it receives nothing,
    // and the player window alone keeps the plug-in going.
    EXPECT_EQ(session.Command("close DB"), "ok");
    ClickAndWait(window, L"Shuffle", session, 5);
    EXPECT_EQ(session.Messages().back(), Line("DJ", dj, "1042,211,0"));

    // Without any host window the watchdog ends the plug-in.
    EXPECT_EQ(session.Command("close DJ"), "ok");
    EXPECT_EQ(session.WaitForEnd(plugin, kWatchdog), kNoHostWindow) << session.Errors();

    EXPECT_EQ(session.Messages().size(), 5U);
    EXPECT_EQ(LogFileLines(session.LogFile()), session.Messages()) << "the log file has them all";
    EXPECT_EQ(session.Close(), 0U);
}

TEST_F(WinhostE2eTest, SendsNothingToAHandleOfNoneOrOfEveryWindow) {
    Install();
    WinhostSession session(host_.Folder(), 17);
    const HWND dj = session.DjWindow();

    // 0 names no window: the database window's message is left out.
    host_.SetIniValue("Message", "Handle.DB", "0");
    const DWORD plugin = session.StartPlugin();
    const HWND window = WaitForPluginWindow(plugin, kStart);
    ASSERT_NE(window, nullptr) << session.Errors();
    ClickAndWait(window, L"Shuffle", session, 1);
    EXPECT_EQ(session.Messages(), (Lines{Line("DJ", dj, "1042,211,0")}));

    // 65535 is HWND_BROADCAST, which would reach every top-level window: nothing goes there.
    host_.SetIniValue("Message", "Handle.DB", "65535");
    ClickAndWait(window, L"Wiederherstellen", session, 2);
    EXPECT_EQ(session.Messages(),
              (Lines{Line("DJ", dj, "1042,211,0"), Line("DJ", dj, "1042,0,0")}));

    ASSERT_TRUE(Click(FindButton(window, L"Abbrechen")));
    EXPECT_EQ(session.WaitForEnd(plugin, kStart), 0U) << session.Errors();

    // Neither handle names a window: the plug-in ends at its start.
    host_.SetIniValue("Message", "Handle.DJ", "0");
    const DWORD lonely = session.StartPlugin();
    EXPECT_EQ(session.WaitForEnd(lonely, kStart), kNoHostWindow) << session.Errors();
    EXPECT_EQ(session.Messages().size(), 2U);
}

// A station: the host folder's name has a blank and letters that the system's code page lacks,
// the database lies in a folder named with umlauts, and the host starts the plug-in with its
// path bare, blanks and all. The plug-in installs itself once, then opens its window on the
// next start; each start shuffles into an order of its own.
TEST(WinhostStation, WorksFromAFolderOutsideTheCodePageStartedUnquoted) {
    const TestHost host(kEntries, {"Stacja Łódź Ωμέγα", "Sendedaten Müller"});
    const std::string database = win32::Utf8FromWide(host.Database().wstring());
    WinhostSession session(host.Folder(), 17, true);
    const HWND db = session.DbWindow();
    const HWND dj = session.DjWindow();
    EXPECT_EQ(host.IniValue("Message", "Handle.DB"), Handle(db));

    const DWORD installer = session.StartPlugin();
    ASSERT_EQ(session.WaitForEnd(installer, kStart), kInstalled) << session.Errors();
    EXPECT_EQ(host.IniValue("PLUGIN", "karusello"), "karusello");
    EXPECT_EQ(host.IniValue("PLUGIN_Menu", "karusello"), "Shuffle Playlist");
    EXPECT_EQ(host.IniValue("PLUGIN_Option", "karusello"), "PNID");
    EXPECT_EQ(host.IniValue("Global", "DBName"), database) << "the host's own keys";

    const std::vector<std::string> original = host.SidsByPlid(17);
    DWORD first = 0;
    const HWND window = OpenPluginWindow(session, first);
    ASSERT_NE(window, nullptr) << "no window; ended: "
                               << session.WaitForEnd(first, 0ms).value_or(0xFFFFFFFF) << "\n"
                               << session.Errors();
    ClickAndWait(window, L"Shuffle", session, 2);
    EXPECT_EQ(session.Messages(),
              (Lines{Line("DB", db, "1042,211,0"), Line("DJ", dj, "1042,211,0")}));
    const std::vector<std::string> firstOrder = host.SidsByPlid(17);
    EXPECT_TRUE(IsShuffled(SidOfPlid(session.Command("order"))));
    ClickAndWait(window, L"Wiederherstellen", session, 4);
    EXPECT_EQ(host.SidsByPlid(17), original);
    ASSERT_TRUE(Click(FindButton(window, L"Abbrechen")));
    ASSERT_EQ(session.WaitForEnd(first, kStart), 0U) << session.Errors();

    DWORD second = 0;
    const HWND again = OpenPluginWindow(session, second);
    ASSERT_NE(again, nullptr) << session.Errors();
    ClickAndWait(again, L"Shuffle", session, 6);
    const std::vector<std::string> secondOrder = host.SidsByPlid(17);
    EXPECT_TRUE(IsShuffled(SidOfPlid(session.Command("order"))));
    EXPECT_NE(secondOrder, firstOrder) << "each start draws its own order";
    EXPECT_EQ(host.IniValue("PLUGIN", "karusello"), "karusello");
}

} // namespace
} // namespace karusello::e2e

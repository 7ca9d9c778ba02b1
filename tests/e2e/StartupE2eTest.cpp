#include "DesktopTools.h"
#include "E2eHost.h"

#include <gtest/gtest.h>

namespace karusello::e2e {
namespace {

using namespace std::chrono_literals;

const std::string kTitle = "Brisolan Karusello";

class PluginStart : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string reason = SkipReason(x, false); !reason.empty()) {
            GTEST_SKIP() << reason;
        }
        host = std::make_unique<E2eHost>();
    }

    // Installs the plug-in and publishes a live host window owned by the test.
    void InstallWithHostWindow() {
        auto first = host->StartPlugin({"17"});
        ASSERT_EQ(first->WaitFor(30s), 2) << host->Output();
        hostWindow = x.CreateWindow("Brisolan Datenbank (Test)");
        host->PublishHandles(hostWindow, 0);
    }

    std::vector<xcb_window_t> PluginWindows() { return x.WindowsTitled(kTitle); }

    XDisplay x;
    std::unique_ptr<E2eHost> host;
    xcb_window_t hostWindow = 0;
};

TEST_F(PluginStart, TheFirstStartInstallsAndShowsNoWindow) {
    auto run = host->StartPlugin({"17"});
    EXPECT_EQ(run->WaitFor(30s), 2) << host->Output();
    const std::string ini = host->IniText();
    EXPECT_NE(ini.find("[PLUGIN]\r\nkarusello=karusello\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("[PLUGIN_Menu]\r\nkarusello=Shuffle Playlist\r\n"), std::string::npos);
    EXPECT_NE(ini.find("[PLUGIN_Option]\r\nkarusello=PNID\r\n"), std::string::npos);
    EXPECT_TRUE(PluginWindows().empty());
}

TEST_F(PluginStart, ANormalStartShowsTheWindowWithItsControlsInPlace) {
    InstallWithHostWindow();
    auto run = host->StartPlugin({"17"});
    ASSERT_TRUE(WaitUntil([&] { return !PluginWindows().empty(); })) << host->Output();
    const xcb_window_t window = PluginWindows().front();
    ASSERT_TRUE(WaitUntil([&] { return x.Viewable(window); }));
    const auto geometry = x.GeometryOf(window);
    ASSERT_TRUE(geometry);
    EXPECT_EQ(geometry->width, 414);
    EXPECT_EQ(geometry->height, 135);

    // The information line is a window of its own, at its place in the client area.
    bool labelFound = false;
    for (xcb_window_t child : x.ChildrenOf(window)) {
        const auto g = x.GeometryOf(child);
        if (g && g->x == 10 && g->y == 5 && g->width == 396 && g->height == 121) {
            labelFound = true;
        }
    }
    EXPECT_TRUE(labelFound);
    EXPECT_TRUE(run->Running());
}

TEST_F(PluginStart, ASecondStartBringsTheFirstWindowToTheFrontAndEnds) {
    InstallWithHostWindow();
    auto first = host->StartPlugin({"17"});
    ASSERT_TRUE(WaitUntil([&] { return !PluginWindows().empty(); })) << host->Output();
    const xcb_window_t window = PluginWindows().front();
    ASSERT_TRUE(WaitUntil([&] { return x.Viewable(window); }));
    const xcb_window_t cover = x.CreateWindow("Verdeckt");

    auto second = host->StartPlugin({"17"});
    EXPECT_EQ(second->WaitFor(30s), 3) << host->Output();
    EXPECT_TRUE(WaitUntil([&] { return x.IsAbove(window, cover); }))
        << "the first window is above the window that covered it";
    EXPECT_TRUE(first->Running());
    EXPECT_EQ(PluginWindows().size(), 1u);
    x.DestroyWindow(cover);
}

TEST_F(PluginStart, EndsSoonAfterTheHostWindowIsGone) {
    InstallWithHostWindow();
    auto run = host->StartPlugin({"17"});
    ASSERT_TRUE(WaitUntil([&] { return !PluginWindows().empty(); })) << host->Output();
    x.DestroyWindow(hostWindow);
    EXPECT_EQ(run->WaitFor(10s), 4) << host->Output();
}

TEST_F(PluginStart, EndsWithoutAWindowWhenNoHostWindowExists) {
    InstallWithHostWindow();
    x.DestroyWindow(hostWindow);
    auto run = host->StartPlugin({"17"});
    EXPECT_EQ(run->WaitFor(30s), 4) << host->Output();
}

} // namespace
} // namespace karusello::e2e

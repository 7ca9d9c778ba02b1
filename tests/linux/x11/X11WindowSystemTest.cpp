#include "linux/x11/X11WindowSystem.h"
#include "TestWindow.h"
#include "core/errors/RuntimeError.h"
#include "tests/support/PrivateXServer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace karusello {
namespace {

using test::PrivateXServer;
using test::TestConnection;
using test::TestWindow;
using test::UniqueTitle;

// Whether upper lies above lower, both seen in one query of the stack: two queries could see
// two different stacks.
::testing::AssertionResult IsAbove(TestConnection& x, xcb_window_t upper, xcb_window_t lower) {
    const auto stack = x.Stack();
    const auto up = std::ranges::find(stack, upper);
    const auto low = std::ranges::find(stack, lower);
    if (up == stack.end() || low == stack.end()) {
        return ::testing::AssertionFailure() << "not both among the top-level windows";
    }
    if (up < low) {
        return ::testing::AssertionFailure()
               << "stack positions " << up - stack.begin() << " vs " << low - stack.begin();
    }
    return ::testing::AssertionSuccess();
}

int ActivationError(X11WindowSystem& windows, const std::string& title) {
    try {
        windows.AppActivate(title);
    } catch (const RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

TEST(X11WindowSystem, KnowsWhichWindowsExist) {
    REQUIRE_DISPLAY();
    TestConnection x;
    X11WindowSystem windows;
    TestWindow own(x, UniqueTitle("Karusello exists"));
    TestWindow gone(x, UniqueTitle("Karusello gone"));
    gone.Destroy();

    EXPECT_TRUE(windows.IsWindow(own.Handle()));
    EXPECT_FALSE(windows.IsWindow(gone.Handle()));
    EXPECT_FALSE(windows.IsWindow(0));
    EXPECT_FALSE(windows.IsWindow(-1));
    EXPECT_FALSE(windows.IsWindow(-own.Handle()));
    // An unmapped window exists all the same.
    TestWindow hidden(x, UniqueTitle("Karusello hidden"), false);
    EXPECT_TRUE(windows.IsWindow(hidden.Handle()));
}

TEST(X11WindowSystem, TellsTheTitleOfALiveWindowOnly) {
    REQUIRE_DISPLAY();
    TestConnection x;
    X11WindowSystem windows;
    const std::string title = UniqueTitle("Brisolan Datenbank – Übersicht");
    TestWindow host(x, title);
    TestWindow gone(x, UniqueTitle("Karusello gone"));
    gone.Destroy();

    EXPECT_EQ(windows.WindowTitle(host.Handle()), title);
    EXPECT_EQ(windows.WindowTitle(gone.Handle()), std::nullopt);
    EXPECT_EQ(windows.WindowTitle(0), std::nullopt);
}

TEST(X11WindowSystem, WithoutDisplayNoWindowExistsAndNothingActivates) {
    for (const char* name : {"", ":4711", "no display name"}) {
        X11WindowSystem windows(std::make_shared<XcbConnection>(name));
        EXPECT_FALSE(windows.IsWindow(0)) << name;
        EXPECT_FALSE(windows.IsWindow(0x200001)) << name;
        EXPECT_EQ(windows.WindowTitle(0x200001), std::nullopt) << name;
        EXPECT_EQ(ActivationError(windows, "Brisolan Karusello"), errnum::InvalidProcedureCall)
            << name;
    }
}

// Activation raises windows and moves the input focus, and the stacking checks need a display
// without a window manager: each test has an X server of its own.
class X11Activation : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_PRIVATE_SERVER(server);
        display = std::make_unique<TestConnection>(server.Display().c_str());
        connection = std::make_shared<XcbConnection>(server.Display());
        system = std::make_unique<X11WindowSystem>(connection);
    }
    PrivateXServer server;
    std::shared_ptr<XcbConnection> connection;
    std::unique_ptr<TestConnection> display;
    std::unique_ptr<X11WindowSystem> system;
};

TEST_F(X11Activation, PrefersTheExactTitleOverAnEarlierPrefixMatch) {
    auto& x = *display;
    auto& windows = *system;
    const std::string title = UniqueTitle("Brisolan Karusello");
    TestWindow longer(x, title + " (2)");
    TestWindow exact(x, title);
    TestWindow later(x, title + " (3)");
    ASSERT_TRUE(IsAbove(x, later.Id(), exact.Id()));

    windows.AppActivate(title);
    x.Sync();
    EXPECT_TRUE(IsAbove(x, exact.Id(), later.Id()));
    EXPECT_TRUE(IsAbove(x, exact.Id(), longer.Id()));
}

TEST_F(X11Activation, TakesTheFirstTitleThatBeginsWithTheText) {
    auto& x = *display;
    auto& windows = *system;
    const std::string title = UniqueTitle("Brisolan Karusello");
    TestWindow first(x, title + " eins");
    TestWindow second(x, title + " zwei");
    TestWindow other(x, "x" + title);

    windows.AppActivate(title);
    x.Sync();
    EXPECT_TRUE(IsAbove(x, first.Id(), second.Id()));
    EXPECT_TRUE(IsAbove(x, first.Id(), other.Id()));
}

TEST_F(X11Activation, NoMatchingTitleIsAnInvalidProcedureCall) {
    auto& x = *display;
    auto& windows = *system;
    const std::string title = UniqueTitle("Brisolan Karusello");
    TestWindow shorter(x, title.substr(0, title.size() - 1));
    TestWindow otherCase(x, "brisolan karusello" + title.substr(18));
    EXPECT_EQ(ActivationError(windows, title), errnum::InvalidProcedureCall);
    EXPECT_EQ(ActivationError(windows, ""), errnum::InvalidProcedureCall);
    shorter.Destroy();
    EXPECT_EQ(ActivationError(windows, title.substr(0, title.size() - 1)),
              errnum::InvalidProcedureCall);
}

TEST_F(X11Activation, AHiddenWindowIsRaisedButStaysHidden) {
    auto& x = *display;
    auto& windows = *system;
    const std::string title = UniqueTitle("Brisolan Karusello");
    TestWindow hidden(x, title, false);
    TestWindow above(x, UniqueTitle("Karusello above"));
    ASSERT_EQ(hidden.MapState(), XCB_MAP_STATE_UNMAPPED);

    windows.AppActivate(title);
    x.Sync();
    EXPECT_TRUE(IsAbove(x, hidden.Id(), above.Id()));
    EXPECT_EQ(hidden.MapState(), XCB_MAP_STATE_UNMAPPED);
}

TEST_F(X11Activation, ReadsLatin1TitlesAndTitlesInsideFrames) {
    auto& x = *display;
    auto& windows = *system;
    // A title of type STRING is Latin-1: "Übersicht" in one byte per letter.
    const std::string stem = UniqueTitle("Karusello");
    TestWindow latin1(x, "x");
    xcb_delete_property(x.Get(), latin1.Id(), x.Atom("_NET_WM_NAME"));
    x.SetText(latin1.Id(), XCB_ATOM_WM_NAME, XCB_ATOM_STRING,
              "\xDC"
              "bersicht " +
                  stem);
    TestWindow cover(x, UniqueTitle("Karusello cover"));
    windows.AppActivate("\xC3\x9C"
                        "bersicht " +
                        stem);
    x.Sync();
    EXPECT_TRUE(IsAbove(x, latin1.Id(), cover.Id()));

    // A frame without a title holding the titled client, as a reparenting window manager
    // leaves it: the frame is what is raised.
    TestWindow frame(x, "");
    xcb_delete_property(x.Get(), frame.Id(), XCB_ATOM_WM_NAME);
    xcb_delete_property(x.Get(), frame.Id(), x.Atom("_NET_WM_NAME"));
    const std::string clientTitle = UniqueTitle("Brisolan Karusello");
    TestWindow client(x, clientTitle);
    xcb_reparent_window(x.Get(), client.Id(), frame.Id(), 0, 0);
    TestWindow cover2(x, UniqueTitle("Karusello cover"));
    x.Sync();
    windows.AppActivate(clientTitle);
    x.Sync();
    EXPECT_TRUE(IsAbove(x, frame.Id(), cover2.Id()));
}

} // namespace
} // namespace karusello

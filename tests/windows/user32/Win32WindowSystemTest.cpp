#include "windows/user32/Win32WindowSystem.h"

#include "TestWindows.h"
#include "core/app/interfaces/TitleMatch.h"
#include "core/errors/RuntimeError.h"
#include "windows/user32/TopLevelWindows.h"
#include "windows/user32/WindowHandles.h"

#include <gtest/gtest.h>

namespace karusello {
namespace {

int ActivationError(const std::string& title) {
    try {
        Win32WindowSystem().AppActivate(title);
    } catch (const RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

TEST(Win32WindowSystem, OnlyWindowsThatExistNowExist) {
    Win32WindowSystem windows;
    EXPECT_FALSE(windows.IsWindow(0));
    HWND gone = nullptr;
    {
        const test::TestWindow window("Karusello-Test da");
        gone = window.Hwnd();
        EXPECT_TRUE(windows.IsWindow(ToWindowHandle(window.Hwnd())));
    }
    EXPECT_FALSE(windows.IsWindow(ToWindowHandle(gone)));
}

TEST(Win32WindowSystem, TellsTheTitleOfALiveWindowOnly) {
    Win32WindowSystem windows;
    const std::string title = test::UniqueTitle("Brisolan Datenbank – Übersicht");
    HWND gone = nullptr;
    {
        const test::WindowOnThread host(title);
        gone = host.Hwnd();
        EXPECT_EQ(windows.WindowTitle(ToWindowHandle(host.Hwnd())), title);
    }
    EXPECT_EQ(windows.WindowTitle(ToWindowHandle(gone)), std::nullopt);
    EXPECT_EQ(windows.WindowTitle(0), std::nullopt);
}

// The window with the longer title lies above the other one, so it comes first in the desktop's
// order; the exact title wins all the same.
TEST(Win32WindowSystem, TheExactTitleIsActivatedBeforeAnEarlierOneThatBeginsWithIt) {
    const std::string title = test::UniqueTitle("Karusello-Test Fenster");
    const test::TestWindow exact(title);
    const test::TestWindow longer(title + " (2)");
    const auto windows = ListTitledWindows();
    const auto match = FindTitle(windows, title);
    ASSERT_TRUE(match);
    EXPECT_EQ(windows[*match].window, exact.Hwnd());

    Win32WindowSystem().AppActivate(title);
    EXPECT_EQ(GetForegroundWindow(), exact.Hwnd());
}

TEST(Win32WindowSystem, WithoutTheExactTitleTheFirstTitleThatBeginsWithItIsActivated) {
    const std::string title = test::UniqueTitle("Karusello-Test Praefix");
    const test::TestWindow longer(title + " läuft");
    Win32WindowSystem().AppActivate(title);
    EXPECT_EQ(GetForegroundWindow(), longer.Hwnd());
    // Case counts, and a title that only contains it is no match.
    const test::TestWindow inside("Vor " + title + " nach");
    EXPECT_EQ(ActivationError(test::UniqueTitle("karusello-test praefix")),
              errnum::InvalidProcedureCall);
}

TEST(Win32WindowSystem, NoWindowWithTheTitleIsError5) {
    EXPECT_EQ(ActivationError(test::UniqueTitle("Karusello-Test niemand")),
              errnum::InvalidProcedureCall);
    EXPECT_EQ(ActivationError(""), errnum::InvalidProcedureCall);
}

TEST(Win32WindowSystem, AMinimisedWindowStaysMinimised) {
    const std::string title = test::UniqueTitle("Karusello-Test klein");
    const test::TestWindow window(title, SW_SHOWMINNOACTIVE);
    ASSERT_NE(IsIconic(window.Hwnd()), FALSE);
    Win32WindowSystem().AppActivate(title);
    EXPECT_NE(IsIconic(window.Hwnd()), FALSE);
}

} // namespace
} // namespace karusello

#include "windows/ui/RandomPLWindow.h"

#include "WinTestSupport.h"
#include "windows/ui/GdiplusSession.h"

#include <gtest/gtest.h>

#include <vector>

namespace karusello {
namespace {

TEST(FormLayout, TwipsBecomePixelsAtTheScreensDpi) {
    EXPECT_EQ(TwipsToPixels(6210, 96), 414);
    EXPECT_EQ(TwipsToPixels(2025, 96), 135);
    // Large fonts (120 DPI) and 150 % (144 DPI): halves round up.
    EXPECT_EQ(TwipsToPixels(6210, 120), 518);
    EXPECT_EQ(TwipsToPixels(2025, 144), 203);
    const RECT restore = TwipsToPixels(form_design::cmdWeiderherstellen, Dpi{120, 120});
    EXPECT_EQ(restore.left, 10);
    EXPECT_EQ(restore.top, 130);
    EXPECT_EQ(restore.right, 184);
    EXPECT_EQ(restore.bottom, 163);
}

TEST(RandomPLWindow, AtAnotherDpiTheClientAreaAndTheLabelFontGrowWithIt) {
    RandomPLWindow small(Dpi{96, 96});
    RandomPLWindow large(Dpi{144, 144});
    EXPECT_EQ(large.ClientSize().cx, 621);
    EXPECT_EQ(large.ClientSize().cy, 203);
    EXPECT_GT(large.SkinLabel1().TextHeight("Zeile"), small.SkinLabel1().TextHeight("Zeile"));
}

TEST(RandomPLWindow, CarriesAThirtyTwoPixelIcon) {
    const GdiplusSession gdiplus;
    const RandomPLWindow window(Dpi{96, 96});
    const auto icon = reinterpret_cast<HICON>(SendMessageW(window.Hwnd(), WM_GETICON, ICON_BIG, 0));
    ICONINFO info{};
    ASSERT_NE(GetIconInfo(icon, &info), FALSE);
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmHeight, 32);
}

class WindowEvents : public testing::Test {
protected:
    WindowEvents() : window(Dpi{96, 96}) {
        window.SetEventHandler([this](FormEvent event) { events.push_back(event); });
        window.SetCloseHandler([this] { ++closes; });
    }

    RandomPLWindow window;
    std::vector<FormEvent> events;
    int closes = 0;
};

TEST_F(WindowEvents, ClicksTicksAndTheCloseBoxReachTheirHandlers) {
    window.Show();
    for (CommandButton* button :
         {&window.cmdShuffel(), &window.cmdAbbruch(), &window.cmdWeiderherstellen()}) {
        SendMessageW(button->Hwnd(), BM_CLICK, 0, 0);
    }
    window.StartTimers();
    ASSERT_TRUE(test::PumpUntil([&] { return events.size() >= 4; }));
    window.StopTimers();
    EXPECT_EQ(events[0], FormEvent::ShuffelClick);
    EXPECT_EQ(events[1], FormEvent::AbbruchClick);
    EXPECT_EQ(events[2], FormEvent::WeiderherstellenClick);
    EXPECT_EQ(events[3], FormEvent::Timer1);

    SendMessageW(window.Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(closes, 1);
    // The handler ends the program, or puts the end off while the host is being told of a
    // change: the close box alone does not take the window away.
    EXPECT_TRUE(IsWindow(window.Hwnd()));
}

// Enter and Escape trigger no button; the space bar clicks the one with the focus.
TEST_F(WindowEvents, NoButtonIsTheDefaultOrTheCancelButton) {
    window.Show();
    ASSERT_EQ(GetFocus(), window.cmdShuffel().Hwnd());
    test::PressKey(window.Hwnd(), VK_RETURN);
    test::PressKey(window.Hwnd(), VK_ESCAPE);
    test::PumpMessages();
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(closes, 0);

    test::PressKey(window.Hwnd(), VK_SPACE);
    test::PumpMessages();
    EXPECT_EQ(events, (std::vector{FormEvent::ShuffelClick}));
    for (CommandButton* button :
         {&window.cmdShuffel(), &window.cmdAbbruch(), &window.cmdWeiderherstellen()}) {
        EXPECT_EQ(GetWindowLongW(button->Hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    }
}

} // namespace
} // namespace karusello

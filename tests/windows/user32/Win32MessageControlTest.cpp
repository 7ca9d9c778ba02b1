#include "windows/user32/Win32MessageControl.h"

#include "TestWindows.h"
#include "windows/user32/WindowHandles.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace karusello {
namespace {

using Sent = std::vector<std::pair<HWND, WindowMessage>>;

// Records what would be sent; the window test is the system's, or says yes to every handle.
class RecordingMessenger : public WindowMessenger {
public:
    enum class Windows { AsTheSystemSays, EveryHandle, None };
    RecordingMessenger(Sent& sent, Windows windows) : sent_(sent), windows_(windows) {}

    bool IsWindow(HWND window) override {
        return windows_ == Windows::EveryHandle ||
               (windows_ == Windows::AsTheSystemSays && ::IsWindow(window) != FALSE);
    }
    void SendAndWait(HWND window, const WindowMessage& message,
                     std::chrono::milliseconds) override {
        sent_.emplace_back(window, message);
    }

private:
    Sent& sent_;
    Windows windows_;
};

Win32MessageControl Recording(Sent& sent, RecordingMessenger::Windows windows) {
    return Win32MessageControl(std::make_unique<RecordingMessenger>(sent, windows));
}

// The check must not rest on IsWindow: a handle of 0xFFFF with the high word 0 can match a
// live window on Windows, and a message to HWND_BROADCAST would reach every window on the
// desktop. (Wine drops broadcasts of this message, so what arrives could not show it.)
TEST(Win32MessageControl, NeitherZeroNorTheBroadcastHandleEverReceivesAMessage) {
    Sent sent;
    auto control = Recording(sent, RecordingMessenger::Windows::EveryHandle);
    for (const std::int32_t handle : {0, 0xFFFF}) {
        control.SetTarget(handle);
        control.SendToTarget(1042, 211, 0);
    }
    EXPECT_TRUE(sent.empty());
    EXPECT_FALSE(IsMessageTarget(*SystemMessenger(), 0xFFFF));

    control.SetTarget(0x10044);
    control.SendToTarget(1042, 211, 0);
    EXPECT_EQ(sent, (Sent{{ToHwnd(0x10044), WindowMessage{0x412, 211, 0}}}));
}

TEST(Win32MessageControl, HandlesOfWindowsThatDoNotExistReceiveNothingAndNothingFails) {
    HWND gone = nullptr;
    {
        const test::TestWindow window("Karusello-Test verschwindet");
        gone = window.Hwnd();
    }
    Sent sent;
    auto control = Recording(sent, RecordingMessenger::Windows::AsTheSystemSays);
    for (const std::int32_t handle : {ToWindowHandle(gone), -1, 0x7ffffff0}) {
        control.SetTarget(handle);
        EXPECT_NO_THROW(control.SendToTarget(1042, 211, 0));
    }
    EXPECT_TRUE(sent.empty());
}

TEST(Win32MessageControl, TheThreeValuesAreTheMessageAndItsTwoParameters) {
    EXPECT_EQ(ToWindowMessage(1042, 211, 0), (WindowMessage{WM_USER + 18, 211, 0}));
    EXPECT_EQ(ToWindowMessage(1042, 0, 0), (WindowMessage{0x412, 0, 0}));
    // Negative values keep their 32-bit pattern.
    EXPECT_EQ(ToWindowMessage(-1, -2, -3),
              (WindowMessage{0xFFFFFFFFu, WPARAM{0xFFFFFFFEu}, LPARAM{-3}}));
}

// As after a shuffle and a restore: the host windows of another program get the values in
// order, and each send returns only once its window has handled the message.
TEST(Win32MessageControl, HostWindowsOfAnotherThreadHaveTheValuesWhenTheSendReturns) {
    const test::WindowOnThread db("Karusello-Test DB");
    const test::WindowOnThread dj("Karusello-Test DJ");
    Win32MessageControl control;

    control.SetTarget(ToWindowHandle(db.Hwnd()));
    control.SendToTarget(1042, 211, 0);
    EXPECT_EQ(db.Received(), (std::vector{WindowMessage{0x412, 211, 0}}));
    EXPECT_TRUE(dj.Received().empty());
    control.SetTarget(ToWindowHandle(dj.Hwnd()));
    control.SendToTarget(1042, 211, 0);
    EXPECT_EQ(dj.Received(), (std::vector{WindowMessage{0x412, 211, 0}}));

    control.SetTarget(ToWindowHandle(db.Hwnd()));
    control.SendToTarget(1042, 0, 0);
    EXPECT_EQ(db.Received(),
              (std::vector{WindowMessage{0x412, 211, 0}, WindowMessage{0x412, 0, 0}}));
}

// A host window whose program hangs must not freeze the plug-in: the send gives up.
TEST(Win32MessageControl, AWindowThatDoesNotAnswerDoesNotHoldTheSender) {
    test::WindowOnThread host("Karusello-Test haengt");
    host.Hold();
    Win32MessageControl control(SystemMessenger(), std::chrono::milliseconds(200));
    control.SetTarget(ToWindowHandle(host.Hwnd()));
    control.SendToTarget(1042, 211, 0);
    EXPECT_TRUE(host.Received().empty());
    host.Release();
}

} // namespace
} // namespace karusello

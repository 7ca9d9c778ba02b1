#pragma once

#include "core/hostmsg/MessageControl.h"

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <memory>

namespace karusello {

// A host message as a window message: the first value is the message (1042 = WM_USER + 18),
// the second its wParam, the third its lParam. Negative values keep their 32-bit pattern.
struct WindowMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    friend bool operator==(const WindowMessage&, const WindowMessage&) = default;
};

WindowMessage ToWindowMessage(std::int32_t a, std::int32_t b, std::int32_t c);

// How a message reaches a window; the tests put a recorder in its place.
class WindowMessenger {
public:
    virtual ~WindowMessenger() = default;
    virtual bool IsWindow(HWND window) = 0;
    // Sends the message and waits until the window has handled it, the timeout has passed, or
    // the window's program is found hung or ends.
    virtual void SendAndWait(HWND window, const WindowMessage& message,
                             std::chrono::milliseconds timeout) = 0;
};

// user32's IsWindow and SendMessageTimeoutW.
std::unique_ptr<WindowMessenger> SystemMessenger();

// True for a handle that may receive a host message: not 0, not HWND_BROADCAST (0xFFFF, which
// would reach every top-level window of the desktop), and a window that exists now.
bool IsMessageTarget(WindowMessenger& messenger, std::int32_t handle);

// Host messages as window messages (ToWindowMessage), sent to the target and waited for, but
// never for longer than the timeout, so that a hung host window cannot freeze the program. A
// target that is no window receives nothing, and neither that nor a timeout is a failure.
class Win32MessageControl : public MessageControl {
public:
    static constexpr std::chrono::milliseconds DefaultTimeout{5000};

    Win32MessageControl();
    explicit Win32MessageControl(std::unique_ptr<WindowMessenger> messenger,
                                 std::chrono::milliseconds timeout = DefaultTimeout);

    void SetTarget(std::int32_t handle) override;
    void SendToTarget(std::int32_t a, std::int32_t b, std::int32_t c) override;

private:
    std::unique_ptr<WindowMessenger> messenger_;
    std::chrono::milliseconds timeout_;
    std::int32_t target_ = 0;
};

} // namespace karusello

#include "windows/user32/Win32MessageControl.h"

#include "windows/user32/WindowHandles.h"

namespace karusello {

namespace {

// SMTO_NORMAL, not SMTO_BLOCK: while it waits, this thread still answers messages that other
// programs send to its windows, so a host that asks something of our window while it handles
// the message cannot deadlock with us.
constexpr UINT SendFlags = SMTO_NORMAL | SMTO_ABORTIFHUNG | SMTO_ERRORONEXIT;

class SystemWindowMessenger : public WindowMessenger {
public:
    bool IsWindow(HWND window) override { return ::IsWindow(window) != FALSE; }

    void SendAndWait(HWND window, const WindowMessage& message,
                     std::chrono::milliseconds timeout) override {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(window, message.message, message.wParam, message.lParam, SendFlags,
                            static_cast<UINT>(timeout.count()), &result);
    }
};

} // namespace

WindowMessage ToWindowMessage(std::int32_t a, std::int32_t b, std::int32_t c) {
    return {static_cast<UINT>(a), static_cast<WPARAM>(static_cast<std::uint32_t>(b)),
            static_cast<LPARAM>(c)};
}

std::unique_ptr<WindowMessenger> SystemMessenger() {
    return std::make_unique<SystemWindowMessenger>();
}

bool IsMessageTarget(WindowMessenger& messenger, std::int32_t handle) {
    const HWND window = ToHwnd(handle);
    return window != nullptr && window != HWND_BROADCAST && messenger.IsWindow(window);
}

Win32MessageControl::Win32MessageControl() : Win32MessageControl(SystemMessenger()) {}

Win32MessageControl::Win32MessageControl(std::unique_ptr<WindowMessenger> messenger,
                                         std::chrono::milliseconds timeout)
    : messenger_(std::move(messenger)), timeout_(timeout) {}

void Win32MessageControl::SetTarget(std::int32_t handle) {
    target_ = handle;
}

void Win32MessageControl::SendToTarget(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (!IsMessageTarget(*messenger_, target_)) {
        return;
    }
    messenger_->SendAndWait(ToHwnd(target_), ToWindowMessage(a, b, c), timeout_);
}

} // namespace karusello

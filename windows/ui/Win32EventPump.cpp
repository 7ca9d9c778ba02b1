#include "windows/ui/Win32EventPump.h"

namespace karusello {

void DispatchWindowMessage(HWND form, MSG& message) {
    if (form != nullptr && IsWindow(form) != FALSE && IsDialogMessageW(form, &message) != FALSE) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Win32EventPump::DoEvents() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        if (message.message == WM_QUIT) {
            // The end of the loop belongs to the event loop outside; leave it for that one.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        DispatchWindowMessage(form_, message);
    }
}

int RunEventLoop(HWND form) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchWindowMessage(form, message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace karusello

#include "windows/ui/Win32FormView.h"

#include "core/errors/RuntimeError.h"
#include "windows/user32/WindowHandles.h"
#include "windows/ui/RandomPLWindow.h"

namespace karusello {

WindowHandle Win32FormView::Handle() {
    return ToWindowHandle(window_.Hwnd());
}

void Win32FormView::SetCaption(const std::string& caption) {
    SetWindowTextUtf8(window_.Hwnd(), caption);
}

void Win32FormView::SetButtonCaption(Button button, const std::string& caption) {
    ButtonOf(window_, button).SetCaption(caption);
}

void Win32FormView::SetButtonEnabled(Button button, bool enabled) {
    ButtonOf(window_, button).SetEnabled(enabled);
}

void Win32FormView::SetMousePointer(int style) {
    window_.SetBusyPointer(style == vbHourglass);
}

void Win32FormView::SetLabelText(const std::string& text) {
    window_.SkinLabel1().SetText(text);
}

WindowHandle Win32FormView::LabelHandle() {
    return ToWindowHandle(window_.SkinLabel1().Hwnd());
}

// Off, the window ignores what would repaint it; on, it is repainted once with its children. A
// redraw asked for right after (the skin's) merges with that one.
void Win32FormView::SetRedraw(WindowHandle window, bool on) {
    const HWND hwnd = ToHwnd(window);
    if (!IsWindowOfThisProcess(hwnd)) {
        throw RuntimeError(errnum::InvalidProcedureCall);
    }
    SendMessageW(hwnd, WM_SETREDRAW, on ? TRUE : FALSE, 0);
    if (on) {
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    }
}

} // namespace karusello

// The Win32 window against the checks that every window behind FormView must pass.
#include "tests/support/FormViewContract.h"
#include "WinTestSupport.h"
#include "windows/ui/RandomPLWindow.h"
#include "windows/ui/Win32FormView.h"

namespace karusello::test {

// Outside an anonymous namespace: its name is part of the test names.

class WinFormProbe {
public:
    WinFormProbe() : window_(Dpi{96, 96}), view_(window_) {}

    FormView& View() { return view_; }
    Geometry ClientArea() {
        const SIZE size = window_.ClientSize();
        return {0, 0, size.cx, size.cy};
    }
    Geometry Control(const std::string& name) {
        const HWND control = ControlNamed(name);
        if (control == nullptr) {
            return {};
        }
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, window_.Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
        return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    }
    std::string Caption() { return WindowTextUtf8(window_.Hwnd()); }
    std::string ButtonCaption(Button button) { return ButtonOf(window_, button).Caption(); }
    bool ButtonEnabled(Button button) { return ButtonOf(window_, button).Enabled(); }
    std::string LabelText() { return window_.SkinLabel1().Text(); }
    // What a control under the pointer asks its window for.
    bool BusyPointer() {
        const HWND label = window_.SkinLabel1().Hwnd();
        SendMessageW(label, WM_SETCURSOR, reinterpret_cast<WPARAM>(label),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor() == LoadCursor(nullptr, IDC_WAIT);
    }
    // The Tab key through the event loop, from the focus that the shown window starts with.
    std::vector<std::string> TabOrder() {
        window_.Show();
        std::vector<std::string> order;
        const HWND first = GetFocus();
        HWND focus = first;
        do {
            order.push_back(NameOf(focus));
            PressKey(window_.Hwnd(), VK_TAB);
            focus = GetFocus();
        } while (focus != first && order.size() < 10);
        return order;
    }
    int LabelTextHeight(const std::string& text) { return window_.SkinLabel1().TextHeight(text); }

private:
    HWND ControlNamed(const std::string& name) {
        for (const HWND control :
             {window_.SkinLabel1().Hwnd(), window_.cmdShuffel().Hwnd(), window_.cmdAbbruch().Hwnd(),
              window_.cmdWeiderherstellen().Hwnd()}) {
            if (NameOf(control) == name) {
                return control;
            }
        }
        return nullptr;
    }
    std::string NameOf(HWND control) {
        return control == window_.SkinLabel1().Hwnd()            ? "SkinLabel1"
               : control == window_.cmdShuffel().Hwnd()          ? "cmdShuffel"
               : control == window_.cmdAbbruch().Hwnd()          ? "cmdAbbruch"
               : control == window_.cmdWeiderherstellen().Hwnd() ? "cmdWeiderherstellen"
                                                                 : "?";
    }

    RandomPLWindow window_;
    Win32FormView view_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, FormViewContract, WinFormProbe);

} // namespace karusello::test

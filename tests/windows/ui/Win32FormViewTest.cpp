#include "windows/ui/Win32FormView.h"

#include "WinTestSupport.h"
#include "windows/user32/WindowHandles.h"
#include "windows/ui/RandomPLWindow.h"
#include "windows/ui/Win32SkinControl.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace karusello {
namespace {

// Counts the paints of one window.
class PaintCounter {
public:
    explicit PaintCounter(HWND window) : window_(window) {
        SetWindowSubclass(window, &Count, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~PaintCounter() { RemoveWindowSubclass(window_, &Count, 1); }
    int paints = 0;

private:
    static LRESULT CALLBACK Count(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR self) {
        if (message == WM_PAINT) {
            ++reinterpret_cast<PaintCounter*>(self)->paints;
        }
        return DefSubclassProc(window, message, wParam, lParam);
    }
    HWND window_;
};

// The name refresh of the information line: redrawing off, the new text, redrawing on, the
// skin's redraw. The label is painted once, with the new text, and not before.
TEST(Win32FormView, ANewLineWithRedrawSwitchedOffAndOnAndTheSkinsRedrawPaintsOnce) {
    RandomPLWindow window(Dpi{96, 96});
    Win32FormView view(window);
    Win32SkinControl skin;
    view.SetLabelText("alt");
    window.Show();
    test::PumpMessages();
    PaintCounter counter(window.SkinLabel1().Hwnd());

    view.SetRedraw(view.LabelHandle(), false);
    view.SetLabelText("Zur Zeit ist dies die Playliste [ neu ] ");
    test::PumpMessages();
    EXPECT_EQ(counter.paints, 0);
    view.SetRedraw(view.LabelHandle(), true);
    skin.RedrawSkinned(view.LabelHandle());
    test::PumpMessages();
    EXPECT_EQ(counter.paints, 1);
    EXPECT_EQ(window.SkinLabel1().Text(), "Zur Zeit ist dies die Playliste [ neu ] ");
    EXPECT_NE(IsWindowVisible(window.SkinLabel1().Hwnd()), FALSE);
}

} // namespace
} // namespace karusello

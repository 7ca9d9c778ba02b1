#pragma once

#include "windows/ui/SkinPainter.h"
#include "windows/ui/Window.h"

#include <string>

namespace karusello {

// The information line SkinLabel1: a window of its own that shows its text left-aligned from
// the top, a line feed as a line break and long lines wrapped at words, over the client area
// that lies beneath it. It takes no focus and paints in one step, without flicker.
class SkinLabel : public Window {
public:
    SkinLabel(HWND parent, const RECT& place, HFONT font, BackgroundPainter background);

    void SetText(const std::string& text);
    std::string Text() const;
    void SetTextColour(COLORREF colour);

    // The height that text needs at the label's width, in pixels.
    int TextHeight(const std::string& text) const;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc) const;

    HFONT font_;
    BackgroundPainter background_;
    COLORREF textColour_;
};

} // namespace karusello

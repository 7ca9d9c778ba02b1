#include "windows/ui/SkinLabel.h"

#include "windows/system/Utf16.h"
#include "windows/system/WindowDc.h"
#include "windows/ui/GdiObjects.h"

namespace karusello {

namespace {

constexpr UINT TextFormat = DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX;

RECT ClientRect(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

} // namespace

SkinLabel::SkinLabel(HWND parent, const RECT& place, HFONT font, BackgroundPainter background)
    : font_(font), background_(std::move(background)), textColour_(GetSysColor(COLOR_BTNTEXT)) {
    Create(L"KaruselloSkinLabel", 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
           {place.left, place.top}, {place.right - place.left, place.bottom - place.top}, parent);
}

void SkinLabel::SetText(const std::string& text) {
    SetWindowTextUtf8(Hwnd(), text);
}

std::string SkinLabel::Text() const {
    return WindowTextUtf8(Hwnd());
}

void SkinLabel::SetTextColour(COLORREF colour) {
    textColour_ = colour;
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

int SkinLabel::TextHeight(const std::string& text) const {
    const std::wstring wide = win32::WideFromUtf8(text);
    const WindowDc dc(Hwnd());
    const Selection font(dc.Get(), font_);
    RECT area = ClientRect(Hwnd());
    return DrawTextW(dc.Get(), wide.c_str(), static_cast<int>(wide.size()), &area,
                     TextFormat | DT_CALCRECT);
}

// The client area beneath, then the text, in a buffer that reaches the screen at once.
void SkinLabel::Paint(HDC dc) const {
    const RECT client = ClientRect(Hwnd());
    const OffscreenBuffer buffer(dc, {client.right, client.bottom});
    RECT inParent = client;
    MapWindowPoints(Hwnd(), GetParent(Hwnd()), reinterpret_cast<POINT*>(&inParent), 2);
    background_(buffer.Get(), inParent);

    const std::wstring text = win32::WideFromUtf8(Text());
    const Selection font(buffer.Get(), font_);
    SetBkMode(buffer.Get(), TRANSPARENT);
    SetTextColor(buffer.Get(), textColour_);
    RECT area = client;
    DrawTextW(buffer.Get(), text.c_str(), static_cast<int>(text.size()), &area, TextFormat);
    buffer.CopyTo(dc, {0, 0});
}

LRESULT SkinLabel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        const PaintDc dc(Hwnd());
        Paint(dc.Get());
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETTEXT: {
        const LRESULT result = Window::OnMessage(message, wParam, lParam);
        InvalidateRect(Hwnd(), nullptr, FALSE);
        return result;
    }
    default:
        return Window::OnMessage(message, wParam, lParam);
    }
}

} // namespace karusello

#include "windows/ui/CommandButton.h"

#include "core/errors/RuntimeError.h"
#include "windows/system/Utf16.h"
#include "windows/ui/GdiObjects.h"

#include <commctrl.h>

namespace karusello {

namespace {

// One id for this program's subclass of buttons.
constexpr UINT_PTR SubclassId = 1;

ButtonState StateOf(const DRAWITEMSTRUCT& item, bool hover) {
    if ((item.itemState & ODS_DISABLED) != 0) {
        return ButtonState::Disabled;
    }
    if ((item.itemState & ODS_SELECTED) != 0) {
        return ButtonState::Pressed;
    }
    return hover ? ButtonState::Hover : ButtonState::Normal;
}

SIZE SizeOf(const RECT& rect) {
    return {rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace

CommandButton::CommandButton(HWND parent, int id, const RECT& place, HFONT font)
    : id_(id),
      hwnd_(CreateWindowExW(
          0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON,
          place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr)),
      font_(font) {
    if (!hwnd_) {
        throw RuntimeError(errnum::InternalError,
                           StandardErrorText(errnum::InternalError) + ": Knopf nicht erzeugt");
    }
    SendMessageW(Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowSubclass(Hwnd(), &Subclass, SubclassId, reinterpret_cast<DWORD_PTR>(this));
}

CommandButton::~CommandButton() {
    if (hwnd_) {
        RemoveWindowSubclass(Hwnd(), &Subclass, SubclassId);
    }
}

void CommandButton::SetCaption(const std::string& caption) {
    SetWindowTextUtf8(Hwnd(), caption);
}

std::string CommandButton::Caption() const {
    return WindowTextUtf8(Hwnd());
}

void CommandButton::SetEnabled(bool enabled) {
    EnableWindow(Hwnd(), enabled ? TRUE : FALSE);
}

bool CommandButton::Enabled() const {
    return IsWindowEnabled(Hwnd()) != FALSE;
}

void CommandButton::Clicked() const {
    if (onClick_) {
        onClick_();
    }
}

// From here on the button draws itself; the system sends WM_DRAWITEM to the parent for it.
void CommandButton::SetSkin(std::shared_ptr<const SkinPainter> skin, BackgroundPainter background) {
    skin_ = std::move(skin);
    background_ = std::move(background);
    SendMessageW(Hwnd(), BM_SETSTYLE, BS_OWNERDRAW, TRUE);
}

void CommandButton::Draw(const DRAWITEMSTRUCT& item) const {
    if (!skin_) {
        return;
    }
    const RECT& rect = item.rcItem;
    const SIZE size = SizeOf(rect);
    const OffscreenBuffer buffer(item.hDC, size);
    if (background_) {
        RECT inParent = rect;
        MapWindowPoints(Hwnd(), GetParent(Hwnd()), reinterpret_cast<POINT*>(&inParent), 2);
        background_(buffer.Get(), inParent);
    }
    const ButtonState state = StateOf(item, hover_);
    const RECT local{0, 0, size.cx, size.cy};
    skin_->PaintButton(buffer.Get(), local, state);

    const std::wstring caption = win32::WideFromUtf8(Caption());
    const Selection font(buffer.Get(), font_);
    SetBkMode(buffer.Get(), TRANSPARENT);
    SetTextColor(buffer.Get(), skin_->ButtonTextColour(state));
    RECT text = local;
    DrawTextW(buffer.Get(), caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    // The focus shows only once the keyboard has been used, as with the system's buttons.
    const bool focusHidden = (item.itemState & ODS_NOFOCUSRECT) != 0 ||
                             (SendMessageW(Hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
    if ((item.itemState & ODS_FOCUS) != 0 && !focusHidden) {
        RECT focus = local;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(buffer.Get(), &focus);
    }
    buffer.CopyTo(item.hDC, {rect.left, rect.top});
}

void CommandButton::TrackHover(bool inside) {
    if (inside == hover_) {
        return;
    }
    hover_ = inside;
    if (inside) {
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, Hwnd(), 0};
        TrackMouseEvent(&leave);
    }
    if (skin_) {
        InvalidateRect(Hwnd(), nullptr, FALSE);
    }
}

LRESULT CALLBACK CommandButton::Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR self) {
    auto* button = reinterpret_cast<CommandButton*>(self);
    switch (message) {
    case WM_MOUSEMOVE:
        button->TrackHover(true);
        break;
    case WM_MOUSELEAVE:
        button->TrackHover(false);
        break;
    case WM_ERASEBKGND:
        // A skinned button paints all of itself at once; erasing first would make it flicker.
        if (button->skin_) {
            return 1;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, &Subclass, SubclassId);
        static_cast<void>(button->hwnd_.release());
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace karusello

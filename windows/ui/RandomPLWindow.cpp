#include "windows/ui/RandomPLWindow.h"

#include "windows/ui/Fonts.h"

namespace karusello {

namespace {

// Control ids. IDOK (1) and IDCANCEL (2) are left out on purpose: the dialog keys Enter and
// Escape send those, and here no button answers them.
constexpr int IdShuffel = 101;
constexpr int IdAbbruch = 102;
constexpr int IdWeiderherstellen = 103;

constexpr UINT_PTR IdTimer1 = 1;
constexpr UINT_PTR IdTimer2 = 2;

// A fixed size with a title bar, the system menu, the minimise box and the close box.
constexpr DWORD FormStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// The design's font face in the system's wide characters, which are UTF-16 here as well.
const wchar_t* FontFace() {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    return reinterpret_cast<const wchar_t*>(form_design::FontFace);
}

SIZE OuterSize(SIZE client) {
    RECT rect{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&rect, FormStyle, FALSE, 0);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace

RandomPLWindow::RandomPLWindow(Dpi dpi)
    : dpi_(dpi), labelFont_(CreatePointFont(FontFace(), form_design::FontPoints,
                                            form_design::LabelFontWeight, dpi.y)),
      buttonFont_(CreatePointFont(FontFace(), form_design::FontPoints, FW_NORMAL, dpi.y)) {
    const SIZE client{TwipsToPixels(form_design::ClientWidth, dpi.x),
                      TwipsToPixels(form_design::ClientHeight, dpi.y)};
    Create(L"KaruselloRandomPL", 0, FormStyle, {CW_USEDEFAULT, CW_USEDEFAULT}, OuterSize(client),
           nullptr);
    SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Get()));
    SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.Get()));
    // Created in tab order: the first child is the top of the Z order, where the dialog keys
    // start, and the label, made last, lies below the buttons where the two overlap.
    cmdShuffel_ = AddButton(IdShuffel, form_design::cmdShuffel, FormEvent::ShuffelClick);
    cmdAbbruch_ = AddButton(IdAbbruch, form_design::cmdAbbruch, FormEvent::AbbruchClick);
    cmdWeiderherstellen_ = AddButton(IdWeiderherstellen, form_design::cmdWeiderherstellen,
                                     FormEvent::WeiderherstellenClick);
    skinLabel1_ = std::make_unique<SkinLabel>(
        Hwnd(), TwipsToPixels(form_design::SkinLabel1, dpi_), labelFont_.Get(),
        [this](HDC dc, const RECT& area) { PaintBackground(dc, area); });
    focus_ = cmdShuffel_->Hwnd();
}

RandomPLWindow::~RandomPLWindow() {
    StopTimers();
    DestroyNow();
}

std::unique_ptr<CommandButton> RandomPLWindow::AddButton(int id, const TwipsRect& place,
                                                         FormEvent click) {
    auto button =
        std::make_unique<CommandButton>(Hwnd(), id, TwipsToPixels(place, dpi_), buttonFont_.Get());
    button->OnClick([this, click] { Emit(click); });
    return button;
}

CommandButton* RandomPLWindow::ButtonWithId(int id) {
    for (CommandButton* button :
         {cmdShuffel_.get(), cmdAbbruch_.get(), cmdWeiderherstellen_.get()}) {
        if (button != nullptr && button->Id() == id) {
            return button;
        }
    }
    return nullptr;
}

void RandomPLWindow::SetEventHandler(std::function<void(FormEvent)> handler) {
    eventHandler_ = std::move(handler);
}

void RandomPLWindow::SetCloseHandler(std::function<void()> handler) {
    closeHandler_ = std::move(handler);
}

void RandomPLWindow::Show() {
    // Focus rectangles show once the keyboard is used, as in dialogs.
    SendMessageW(Hwnd(), WM_CHANGEUISTATE,
                 MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
    ShowWindow(Hwnd(), SW_SHOW);
    UpdateWindow(Hwnd());
    SetFocus(focus_);
}

void RandomPLWindow::StartTimers() {
    SetTimer(Hwnd(), IdTimer1, form_design::Timer1IntervalMs, nullptr);
    SetTimer(Hwnd(), IdTimer2, form_design::Timer2IntervalMs, nullptr);
    timersActive_ = true;
}

void RandomPLWindow::StopTimers() {
    if (Hwnd() != nullptr) {
        KillTimer(Hwnd(), IdTimer1);
        KillTimer(Hwnd(), IdTimer2);
    }
    timersActive_ = false;
}

// The pointer changes at once where it lies over the window; elsewhere it changes when it
// comes over the window (WM_SETCURSOR).
void RandomPLWindow::SetBusyPointer(bool busy) {
    busy_ = busy;
    POINT at{};
    GetCursorPos(&at);
    const HWND under = WindowFromPoint(at);
    if (under == Hwnd() || IsChild(Hwnd(), under) != FALSE) {
        SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    }
}

void RandomPLWindow::ApplySkin(std::shared_ptr<const SkinPainter> skin) {
    skin_ = std::move(skin);
    const BackgroundPainter background = [this](HDC dc, const RECT& area) {
        PaintBackground(dc, area);
    };
    for (CommandButton* button :
         {cmdShuffel_.get(), cmdAbbruch_.get(), cmdWeiderherstellen_.get()}) {
        button->SetSkin(skin_, background);
    }
    skinLabel1_->SetTextColour(skin_->TextColour());
    RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void RandomPLWindow::PaintBackground(HDC dc, const RECT& area) const {
    if (skin_) {
        skin_->PaintClientArea(dc, ClientSize(), area);
        return;
    }
    const RECT local{0, 0, area.right - area.left, area.bottom - area.top};
    FillRect(dc, &local, GetSysColorBrush(COLOR_BTNFACE));
}

SIZE RandomPLWindow::ClientSize() const {
    RECT client{};
    GetClientRect(Hwnd(), &client);
    return {client.right, client.bottom};
}

void RandomPLWindow::Emit(FormEvent event) {
    if (eventHandler_) {
        eventHandler_(event);
    }
}

// Clicks of the buttons only: the ids that Enter and Escape send (IDOK, IDCANCEL) belong to
// no control here.
void RandomPLWindow::OnCommand(WPARAM wParam) {
    if (HIWORD(wParam) != BN_CLICKED) {
        return;
    }
    if (const CommandButton* button = ButtonWithId(LOWORD(wParam))) {
        button->Clicked();
    }
}

// The focus goes back to the control that had it when the window was last active.
void RandomPLWindow::OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(Hwnd(), focus) != FALSE) {
            focus_ = focus;
        }
    } else if (focus_ != nullptr && IsWindowEnabled(focus_) != FALSE) {
        SetFocus(focus_);
    }
}

bool RandomPLWindow::OnSetCursor() {
    if (!busy_) {
        return false;
    }
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    return true;
}

LRESULT RandomPLWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(wParam);
        return 0;
    case WM_DRAWITEM:
        if (const CommandButton* button = ButtonWithId(static_cast<int>(wParam))) {
            button->Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        break;
    case WM_TIMER:
        if (wParam == IdTimer1 || wParam == IdTimer2) {
            Emit(wParam == IdTimer1 ? FormEvent::Timer1 : FormEvent::Timer2);
            return 0;
        }
        break;
    case WM_PAINT: {
        const PaintDc dc(Hwnd());
        const SIZE size = ClientSize();
        const OffscreenBuffer buffer(dc.Get(), size);
        PaintBackground(buffer.Get(), {0, 0, size.cx, size.cy});
        buffer.CopyTo(dc.Get(), {0, 0});
        return 0;
    }
    case WM_PRINTCLIENT: {
        const SIZE size = ClientSize();
        PaintBackground(reinterpret_cast<HDC>(wParam), {0, 0, size.cx, size.cy});
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_SETCURSOR:
        if (OnSetCursor()) {
            return TRUE;
        }
        break;
    case WM_ACTIVATE:
        OnActivate(wParam);
        return 0;
    case WM_CLOSE:
        // The close handler ends the program itself, or puts the end off until the host has
        // been told of a change under way; the window stays until then. Without a handler the
        // window just closes.
        if (closeHandler_) {
            closeHandler_();
            return 0;
        }
        DestroyNow();
        return 0;
    default:
        break;
    }
    return Window::OnMessage(message, wParam, lParam);
}

} // namespace karusello

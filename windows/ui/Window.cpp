#include "windows/ui/Window.h"

#include "core/errors/RuntimeError.h"
#include "windows/system/Utf16.h"

namespace karusello {

namespace {

HINSTANCE ThisModule() {
    return GetModuleHandleW(nullptr);
}

void RegisterClassOnce(const wchar_t* className, WNDPROC procedure) {
    WNDCLASSEXW known{};
    known.cbSize = sizeof known;
    if (GetClassInfoExW(ThisModule(), className, &known) != FALSE) {
        return;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ThisModule();
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    if (RegisterClassExW(&windowClass) == 0) {
        throw RuntimeError(errnum::InternalError, StandardErrorText(errnum::InternalError) +
                                                      ": Fensterklasse nicht registriert");
    }
}

} // namespace

bool IsWindowOfThisProcess(HWND window) {
    DWORD process = 0;
    return window != nullptr && IsWindow(window) != FALSE &&
           GetWindowThreadProcessId(window, &process) != 0 && process == GetCurrentProcessId();
}

// The class's procedure, not the window's: a window that someone subclassed is still ours.
Window* Window::FromHwnd(HWND window) {
    if (!IsWindowOfThisProcess(window) ||
        GetClassLongPtrW(window, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&Procedure)) {
        return nullptr;
    }
    return reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void Window::Create(const wchar_t* className, DWORD exStyle, DWORD style, POINT at, SIZE size,
                    HWND parent, int id) {
    RegisterClassOnce(className, &Procedure);
    const HWND window =
        CreateWindowExW(exStyle, className, L"", style, at.x, at.y, size.cx, size.cy, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ThisModule(), this);
    if (window == nullptr) {
        throw RuntimeError(errnum::InternalError, StandardErrorText(errnum::InternalError) +
                                                      ": Fenster nicht erzeugt (Fehler " +
                                                      std::to_string(GetLastError()) + ")");
    }
    // WM_NCCREATE has handed the window to this object already.
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(Hwnd(), message, wParam, lParam);
}

// The object comes with WM_NCCREATE; messages before it (WM_GETMINMAXINFO) and after the
// object has let go of the window take the default way.
LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_.reset(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        static_cast<void>(self->hwnd_.release());
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

std::string WindowTextUtf8(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return win32::Utf8FromWide(text);
}

void SetWindowTextUtf8(HWND window, const std::string& text) {
    SetWindowTextW(window, win32::WideFromUtf8(text).c_str());
}

} // namespace karusello

#include "windows/user32/TopLevelWindows.h"

#include "windows/system/Utf16.h"

namespace karusello {

namespace {

BOOL CALLBACK CollectTitled(HWND window, LPARAM context) {
    auto& windows = *reinterpret_cast<std::vector<TitledWindow>*>(context);
    std::string title = TitleOf(window);
    if (!title.empty()) {
        windows.push_back({window, std::move(title)});
    }
    return TRUE;
}

} // namespace

std::string TitleOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return {};
    }
    std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, title.data(), length + 1);
    title.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return win32::Utf8FromWide(title);
}

std::vector<TitledWindow> ListTitledWindows() {
    std::vector<TitledWindow> windows;
    EnumWindows(CollectTitled, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The restacking is asynchronous, so a hung first instance cannot hold this one. Windows lets
// a process take the foreground when the foreground program started it (the host, whose menu
// was just used) or allowed it; otherwise it flashes the window's taskbar button instead.
void BringToFront(HWND window) {
    if (IsIconic(window) == FALSE) {
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    }
    SetForegroundWindow(window);
}

} // namespace karusello

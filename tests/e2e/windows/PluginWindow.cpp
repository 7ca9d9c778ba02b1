#include "PluginWindow.h"

#include <vector>

namespace karusello::e2e {
namespace {

struct Search {
    DWORD processId;
    std::wstring title;
    HWND found = nullptr;
};

BOOL CALLBACK TakeShownWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && ::IsWindowVisible(window) &&
        TitleOf(window) == search->title) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

struct ButtonSearch {
    std::wstring caption;
    HWND found = nullptr;
};

BOOL CALLBACK TakeButton(HWND child, LPARAM context) {
    auto* search = reinterpret_cast<ButtonSearch*>(context);
    wchar_t kind[64] = {};
    ::GetClassNameW(child, kind, 64);
    if (_wcsicmp(kind, L"Button") == 0 && TitleOf(child) == search->caption) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

} // namespace

std::wstring TitleOf(HWND window) {
    const int length = ::GetWindowTextLengthW(window);
    std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = ::GetWindowTextW(window, title.data(), length + 1);
    title.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return title;
}

HWND WaitForPluginWindow(DWORD processId, std::chrono::milliseconds timeout) {
    return WaitForWindowOf(processId, L"Brisolan Karusello", timeout);
}

HWND WaitForWindowOf(DWORD processId, const std::wstring& title,
                     std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        Search search{processId, title};
        ::EnumWindows(&TakeShownWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr || std::chrono::steady_clock::now() >= end) {
            return search.found;
        }
        ::Sleep(20);
    }
}

HWND FindButton(HWND window, const std::wstring& caption) {
    ButtonSearch search{caption};
    ::EnumChildWindows(window, &TakeButton, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool WaitForForeground(HWND window, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (::GetForegroundWindow() != window) {
        if (std::chrono::steady_clock::now() >= end) {
            return false;
        }
        ::Sleep(20);
    }
    return true;
}

bool Click(HWND button) {
    return ::PostMessageW(button, BM_CLICK, 0, 0) != 0;
}

} // namespace karusello::e2e

#pragma once

#include <windows.h>

#include <chrono>
#include <string>

namespace karusello::e2e {

// The plug-in's top-level window "Brisolan Karusello" of the given process, once it is shown;
// nullptr when none appears in time.
HWND WaitForPluginWindow(DWORD processId, std::chrono::milliseconds timeout);

// The top-level window of the process with this title, once it is shown; nullptr when none
// appears in time.
HWND WaitForWindowOf(DWORD processId, const std::wstring& title, std::chrono::milliseconds timeout);

// The plug-in window's button with exactly this caption; nullptr when there is none.
HWND FindButton(HWND window, const std::wstring& caption);

// Clicks the button as the system does for a click on it (BM_CLICK), without waiting for what
// the click sets off. False when the message cannot be posted.
bool Click(HWND button);

// Waits until the window is the foreground window (the system activates another process's window
// when that process handles the request); false when it is not in time.
bool WaitForForeground(HWND window, std::chrono::milliseconds timeout);

// The title of a top-level window.
std::wstring TitleOf(HWND window);

} // namespace karusello::e2e

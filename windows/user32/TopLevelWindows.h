#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace karusello {

struct TitledWindow {
    HWND window = nullptr;
    std::string title; // UTF-8
};

// The window's title, "" for none. For a window of another process GetWindowText reads the
// title that the system keeps and sends the window no message, so a hung host cannot hold us.
std::string TitleOf(HWND window);

// The top-level windows of the desktop that carry a title, from the top of the Z order down.
std::vector<TitledWindow> ListTitledWindows();

// Brings the window to the front as far as Windows lets this process: above the other windows
// and, where the foreground rules allow it, active. A minimised window stays minimised. Nothing
// here waits for the window's program to answer.
void BringToFront(HWND window);

} // namespace karusello

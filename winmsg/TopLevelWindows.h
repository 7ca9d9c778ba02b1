#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace karusello {

struct TitledWindow {
    HWND window = nullptr;
    std::string title; // UTF-8
};

// The top-level windows of the desktop that carry a title, from the top of the Z order down.
std::vector<TitledWindow> ListTitledWindows();

// The window to activate for a title: the first whose title equals it, else the first whose
// title begins with it. Titles are compared as they are (case counts).
std::optional<std::size_t> FindTitle(const std::vector<TitledWindow>& windows,
                                     const std::string& title);

// Brings the window to the front as far as Windows lets this process: above the other windows
// and, where the foreground rules allow it, active. A minimised window stays minimised. Nothing
// here waits for the window's program to answer.
void BringToFront(HWND window);

} // namespace karusello

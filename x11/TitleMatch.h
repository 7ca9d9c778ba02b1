#pragma once

#include <xcb/xcb.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace karusello {

// A window that carries a title, and the window to restack for it: itself when it is a child
// of the root, else its frame (the child of the root that holds it).
struct TitledWindow {
    xcb_window_t window = XCB_WINDOW_NONE;
    xcb_window_t topLevel = XCB_WINDOW_NONE;
    std::string title;
};

// The window to activate for a title: the first whose title equals it, else the first whose
// title begins with it. Titles are compared byte for byte (UTF-8), case counts.
std::optional<std::size_t> FindTitle(const std::vector<TitledWindow>& windows,
                                     const std::string& title);

} // namespace karusello

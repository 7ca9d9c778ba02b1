#pragma once

#include <xcb/xcb.h>

#include <string>

namespace karusello {

// A window that carries a title, and the window to restack for it: itself when it is a child
// of the root, else its frame (the child of the root that holds it).
struct TitledWindow {
    xcb_window_t window = XCB_WINDOW_NONE;
    xcb_window_t topLevel = XCB_WINDOW_NONE;
    std::string title;
};

} // namespace karusello

#pragma once

#include <xcb/xcb.h>

#include <string>

namespace karusello::bench {

// The benchmark's own connection to the X server in DISPLAY: it makes the host window and
// watches for the measured program's window.
class WindowWatch {
public:
    WindowWatch();
    ~WindowWatch();
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

    bool Connected() const { return connection_ != nullptr; }

    // A mapped top-level window standing in for a host window.
    xcb_window_t CreateWindow(const std::string& title);
    // True when a top-level window (or, under a window manager, a frame's child) has this title;
    // with viewableOnly, only when it is also viewable.
    bool Titled(const std::string& title, bool viewableOnly);

private:
    bool Matches(xcb_window_t window, const std::string& title, bool viewableOnly);
    std::string Title(xcb_window_t window);
    bool Viewable(xcb_window_t window);

    xcb_connection_t* connection_ = nullptr;
    xcb_screen_t* screen_ = nullptr;
    xcb_atom_t netWmName_ = XCB_ATOM_NONE;
};

} // namespace karusello::bench

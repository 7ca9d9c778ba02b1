#pragma once

#include "linux/x11/XcbReply.h"

#include <xcb/xcb.h>

#include <string>
#include <unordered_map>

namespace karusello {

// One connection to an X server. Without a display (DISPLAY unset or empty, or the server not
// reachable) the object exists all the same and HasDisplay() is false: the program must run
// without X, where no window exists.
class XcbConnection {
public:
    // Connects to the display named by $DISPLAY.
    XcbConnection();
    // Connects to the named display, e.g. ":0".
    explicit XcbConnection(const std::string& displayName);
    ~XcbConnection();
    XcbConnection(const XcbConnection&) = delete;
    XcbConnection& operator=(const XcbConnection&) = delete;

    bool HasDisplay() const noexcept { return connection_ != nullptr; }
    // Null without a display.
    xcb_connection_t* Get() const noexcept { return connection_; }
    // The root window of the default screen; XCB_WINDOW_NONE without a display.
    xcb_window_t Root() const noexcept { return root_; }

    // The atom of this name, interned on first use and kept; XCB_ATOM_NONE without a display.
    xcb_atom_t Atom(const std::string& name);

    // True when the server knows this window.
    bool WindowExists(xcb_window_t window);

    // Waits until the server has handled a request sent with a *_checked function. An X error
    // it caused (a window destroyed meanwhile, for instance) is consumed here instead of
    // reaching the event queue; the result tells whether there was none.
    bool Check(xcb_void_cookie_t cookie);

private:
    void Open(const char* displayName);

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    std::unordered_map<std::string, xcb_atom_t> atoms_;
};

} // namespace karusello

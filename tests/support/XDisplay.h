#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace karusello::test {

struct Geometry {
    int x, y, width, height;
};

// The test's own connection to the X server named by DISPLAY.
class XDisplay {
public:
    XDisplay();
    ~XDisplay();
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    bool Connected() const { return connection_ != nullptr; }

    // A mapped top-level window owned by the test, standing in for a host window.
    xcb_window_t CreateWindow(const std::string& title);
    void DestroyWindow(xcb_window_t window);

    // The top-level windows whose title (WM_NAME or _NET_WM_NAME) equals this one.
    std::vector<xcb_window_t> WindowsTitled(const std::string& title);
    std::optional<Geometry> GeometryOf(xcb_window_t window);
    std::vector<xcb_window_t> ChildrenOf(xcb_window_t window);
    // The root's children from bottom to top.
    std::vector<xcb_window_t> StackingOrder() { return ChildrenOf(screen_->root); }
    // True when both are top-level windows and upper is stacked above lower.
    bool IsAbove(xcb_window_t upper, xcb_window_t lower);
    bool Viewable(xcb_window_t window);
    // True when a window with this title exists and is viewable.
    bool TitledViewable(const std::string& title) {
        for (xcb_window_t window : WindowsTitled(title)) {
            if (Viewable(window)) {
                return true;
            }
        }
        return false;
    }

private:
    std::string Title(xcb_window_t window);
    xcb_atom_t Atom(const char* name);

    xcb_connection_t* connection_ = nullptr;
    xcb_screen_t* screen_ = nullptr;
};

} // namespace karusello::test

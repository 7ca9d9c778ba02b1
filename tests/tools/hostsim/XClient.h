#pragma once

#include <xcb/xcb.h>

#include <array>
#include <cstdint>
#include <string>

namespace karusello::hostsim::test {

// The test's own X connection, as the plug-in's would be: it sends host messages with plain
// xcb and looks at windows from outside.
class XClient {
public:
    explicit XClient(const std::string& display);
    ~XClient();
    XClient(const XClient&) = delete;
    XClient& operator=(const XClient&) = delete;

    // A ClientMessage of format 32 and type BRISOLAN_MESSAGE to the client owning the window.
    void SendHostMessage(xcb_window_t window, std::array<std::int32_t, 3> values);
    bool WindowExists(xcb_window_t window);
    // The window's _NET_WM_NAME.
    std::string Title(xcb_window_t window);

private:
    xcb_atom_t Atom(const std::string& name);

    xcb_connection_t* connection_;
};

} // namespace karusello::hostsim::test

#pragma once

#include "linux/x11/XcbConnection.h"

#include <array>
#include <cstdint>

namespace karusello {

// One ClientMessage event of format 32.
struct ClientMessage {
    xcb_window_t window = XCB_WINDOW_NONE; // the window the message is about
    xcb_atom_t type = XCB_ATOM_NONE;
    std::array<std::uint32_t, 5> data{};
};

// Sends the message to the destination window with the given event mask (0: to the client
// that created the window) and waits until the server has handled the request, so that it is
// flushed and an X error (the window destroyed meanwhile) is consumed, never fatal. True when
// the server took it without error.
bool SendClientMessage(XcbConnection& connection, xcb_window_t destination,
                       const ClientMessage& message, std::uint32_t eventMask);

} // namespace karusello

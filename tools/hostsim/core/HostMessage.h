#pragma once

#include <xcb/xcb.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace karusello::hostsim {

// The name of the atom that marks a message to the host.
inline constexpr const char* hostMessageAtomName = "BRISOLAN_MESSAGE";

// The value that tells the host that a playlist's order has changed.
inline constexpr std::int32_t playlistChanged = 1042;

// One message to a host window: the window the event names and the three values.
struct HostMessage {
    xcb_window_t window = XCB_WINDOW_NONE;
    std::array<std::int32_t, 3> values{};
};

// The message carried by an X event: a ClientMessage of format 32 whose type is hostMessageType.
// Any other event gives none.
std::optional<HostMessage> DecodeHostMessage(const xcb_generic_event_t& event,
                                             xcb_atom_t hostMessageType);

// The atom of this name on the connection's server; XCB_ATOM_NONE when the server does not
// answer.
xcb_atom_t InternAtom(xcb_connection_t* connection, const std::string& name);

} // namespace karusello::hostsim

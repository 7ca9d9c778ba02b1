#pragma once

#include "tools/hostcore/HostMessage.h"

#include <xcb/xcb.h>

#include <optional>
#include <string>

namespace karusello::hostsim {

// The name of the atom that marks a message to the host.
inline constexpr const char* hostMessageAtomName = "BRISOLAN_MESSAGE";

// The message carried by an X event: a ClientMessage of format 32 whose type is hostMessageType.
// Any other event gives none.
std::optional<HostMessage> DecodeHostMessage(const xcb_generic_event_t& event,
                                             xcb_atom_t hostMessageType);

// The atom of this name on the connection's server; XCB_ATOM_NONE when the server does not
// answer.
xcb_atom_t InternAtom(xcb_connection_t* connection, const std::string& name);

} // namespace karusello::hostsim

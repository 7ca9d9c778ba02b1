#pragma once

#include "linux/x11/XcbConnection.h"

#include <cstdint>
#include <string>
#include <vector>

namespace karusello {

// Reading window properties. Requests and replies are apart so that a caller can send the
// requests for many windows before it waits for the first reply.

// Asks for up to maxBytes of a property of any type.
xcb_get_property_cookie_t RequestProperty(XcbConnection& connection, xcb_window_t window,
                                          xcb_atom_t property, std::uint32_t maxBytes = 4096);

// The reply, or null when the property cannot be read (the window vanished, for instance); an
// X error is discarded.
XcbReply<xcb_get_property_reply_t> TakeProperty(XcbConnection& connection,
                                                xcb_get_property_cookie_t cookie);

// The 32-bit words of a format-32 property; empty for a missing property or another format.
std::vector<std::uint32_t> PropertyWords(const xcb_get_property_reply_t* reply);

// The property as UTF-8 text. Type STRING holds Latin-1 and is converted; other text types are
// taken as they are. False when the property is missing or not a text of 8-bit format.
bool PropertyText(const xcb_get_property_reply_t* reply, std::string& text);

// Reads one format-32 property at once.
std::vector<std::uint32_t> ReadWords(XcbConnection& connection, xcb_window_t window,
                                     xcb_atom_t property);

} // namespace karusello

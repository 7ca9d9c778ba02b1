#include "tools/hostsim/core/XcbHostMessage.h"

#include <cstdlib>
#include <memory>

namespace karusello::hostsim {

std::optional<HostMessage> DecodeHostMessage(const xcb_generic_event_t& event,
                                             xcb_atom_t hostMessageType) {
    // The high bit marks an event that another client sent; it is a message all the same.
    constexpr std::uint8_t sentBit = 0x80;
    if ((event.response_type & ~sentBit) != XCB_CLIENT_MESSAGE ||
        hostMessageType == XCB_ATOM_NONE) {
        return std::nullopt;
    }
    const auto& client = reinterpret_cast<const xcb_client_message_event_t&>(event);
    if (client.format != 32 || client.type != hostMessageType) {
        return std::nullopt;
    }
    HostMessage message;
    message.window = client.window;
    for (std::size_t i = 0; i < message.values.size(); ++i) {
        message.values[i] = static_cast<std::int32_t>(client.data.data32[i]);
    }
    return message;
}

xcb_atom_t InternAtom(xcb_connection_t* connection, const std::string& name) {
    if (connection == nullptr) {
        return XCB_ATOM_NONE;
    }
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.c_str());
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

} // namespace karusello::hostsim

#include "linux/x11/ClientMessage.h"

namespace karusello {

bool SendClientMessage(XcbConnection& connection, xcb_window_t destination,
                       const ClientMessage& message, std::uint32_t eventMask) {
    if (!connection.HasDisplay()) {
        return false;
    }
    // The server copies 32 bytes; every byte that is not set must be zero.
    xcb_client_message_event_t event{};
    static_assert(sizeof(event) == 32);
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = message.window;
    event.type = message.type;
    for (std::size_t i = 0; i < message.data.size(); ++i) {
        event.data.data32[i] = message.data[i];
    }
    const xcb_void_cookie_t cookie = xcb_send_event_checked(
        connection.Get(), 0, destination, eventMask, reinterpret_cast<const char*>(&event));
    return connection.Check(cookie);
}

} // namespace karusello

#include "XClient.h"

#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace karusello::hostsim::test {
namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> Reply<T> Own(T* reply) {
    return Reply<T>(reply, &std::free);
}

} // namespace

XClient::XClient(const std::string& display) : connection_(xcb_connect(display.c_str(), nullptr)) {
    if (xcb_connection_has_error(connection_) != 0) {
        xcb_disconnect(connection_);
        throw std::runtime_error("cannot connect to the X server");
    }
}

XClient::~XClient() {
    xcb_disconnect(connection_);
}

xcb_atom_t XClient::Atom(const std::string& name) {
    const auto reply = Own(xcb_intern_atom_reply(
        connection_,
        xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(name.size()), name.c_str()),
        nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

void XClient::SendHostMessage(xcb_window_t window, std::array<std::int32_t, 3> values) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = Atom("BRISOLAN_MESSAGE");
    for (std::size_t i = 0; i < values.size(); ++i) {
        event.data.data32[i] = static_cast<std::uint32_t>(values[i]);
    }
    xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(connection_);
}

bool XClient::WindowExists(xcb_window_t window) {
    xcb_generic_error_t* error = nullptr;
    const auto reply = Own(xcb_get_window_attributes_reply(
        connection_, xcb_get_window_attributes(connection_, window), &error));
    std::free(error);
    return reply != nullptr;
}

std::string XClient::Title(xcb_window_t window) {
    const auto reply =
        Own(xcb_get_property_reply(connection_,
                                   xcb_get_property(connection_, 0, window, Atom("_NET_WM_NAME"),
                                                    XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                                   nullptr));
    if (!reply) {
        return {};
    }
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                       static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

} // namespace karusello::hostsim::test

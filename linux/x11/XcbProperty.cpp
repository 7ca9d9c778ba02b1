#include "linux/x11/XcbProperty.h"

namespace karusello {

namespace {

std::string Latin1ToUtf8(const char* data, int length) {
    std::string text;
    text.reserve(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        if (byte < 0x80) {
            text += static_cast<char>(byte);
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

} // namespace

xcb_get_property_cookie_t RequestProperty(XcbConnection& connection, xcb_window_t window,
                                          xcb_atom_t property, std::uint32_t maxBytes) {
    // The length is counted in 32-bit units.
    return xcb_get_property(connection.Get(), 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0,
                            (maxBytes + 3) / 4);
}

XcbReply<xcb_get_property_reply_t> TakeProperty(XcbConnection& connection,
                                                xcb_get_property_cookie_t cookie) {
    return TakeReply(xcb_get_property_reply, connection.Get(), cookie);
}

std::vector<std::uint32_t> PropertyWords(const xcb_get_property_reply_t* reply) {
    if (reply == nullptr || reply->type == XCB_ATOM_NONE || reply->format != 32) {
        return {};
    }
    const auto* words = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
    const int count = xcb_get_property_value_length(reply) / 4;
    return std::vector<std::uint32_t>(words, words + count);
}

bool PropertyText(const xcb_get_property_reply_t* reply, std::string& text) {
    if (reply == nullptr || reply->type == XCB_ATOM_NONE || reply->format != 8) {
        return false;
    }
    const auto* data = static_cast<const char*>(xcb_get_property_value(reply));
    int length = xcb_get_property_value_length(reply);
    // Some clients store the terminating NUL with the title.
    while (length > 0 && data[length - 1] == '\0') {
        --length;
    }
    if (reply->type == XCB_ATOM_STRING) {
        text = Latin1ToUtf8(data, length);
    } else {
        text.assign(data, static_cast<std::size_t>(length));
    }
    return true;
}

std::vector<std::uint32_t> ReadWords(XcbConnection& connection, xcb_window_t window,
                                     xcb_atom_t property) {
    // Enough for the window lists of any real session.
    constexpr std::uint32_t maxBytes = 1u << 20;
    auto reply = TakeProperty(connection, RequestProperty(connection, window, property, maxBytes));
    return PropertyWords(reply.get());
}

} // namespace karusello

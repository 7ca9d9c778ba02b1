#include "linux/x11/XcbConnection.h"

#include <cstdlib>

namespace karusello {

XcbConnection::XcbConnection() {
    const char* display = std::getenv("DISPLAY");
    if (display != nullptr && *display != '\0') {
        Open(display);
    }
}

XcbConnection::XcbConnection(const std::string& displayName) {
    if (!displayName.empty()) {
        Open(displayName.c_str());
    }
}

XcbConnection::~XcbConnection() {
    if (connection_ != nullptr) {
        xcb_disconnect(connection_);
    }
}

void XcbConnection::Open(const char* displayName) {
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(displayName, &screenNumber);
    // xcb_connect never returns null; a failed connection is an error object that must still
    // be disconnected.
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    if (screens.rem == 0) {
        xcb_disconnect(connection);
        return;
    }
    connection_ = connection;
    root_ = screens.data->root;
}

xcb_atom_t XcbConnection::Atom(const std::string& name) {
    if (connection_ == nullptr) {
        return XCB_ATOM_NONE;
    }
    if (auto known = atoms_.find(name); known != atoms_.end()) {
        return known->second;
    }
    xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(name.size()), name.data());
    XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection_, cookie, nullptr));
    if (!reply) {
        return XCB_ATOM_NONE;
    }
    atoms_.emplace(name, reply->atom);
    return reply->atom;
}

bool XcbConnection::WindowExists(xcb_window_t window) {
    if (connection_ == nullptr || window == XCB_WINDOW_NONE) {
        return false;
    }
    return TakeReply(xcb_get_window_attributes_reply, connection_,
                     xcb_get_window_attributes(connection_, window)) != nullptr;
}

bool XcbConnection::Check(xcb_void_cookie_t cookie) {
    if (connection_ == nullptr) {
        return false;
    }
    XcbError error(xcb_request_check(connection_, cookie));
    return error == nullptr && xcb_connection_has_error(connection_) == 0;
}

} // namespace karusello

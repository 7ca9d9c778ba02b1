#include "tools/hostsim/QtX11.h"

#include <QGuiApplication>

#include <cstdlib>

namespace karusello::hostsim {

bool DisplayReachable() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reachable;
}

xcb_connection_t* QtXcbConnection() {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

void SyncWithServer() {
    xcb_connection_t* connection = QtXcbConnection();
    if (connection == nullptr) {
        return;
    }
    // Any request with a reply is a round trip; the server handles requests in order.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

} // namespace karusello::hostsim

#include "linux/x11/WindowActivation.h"

#include "linux/x11/ClientMessage.h"
#include "linux/x11/XcbProperty.h"

#include <algorithm>

namespace karusello {

namespace {

// The source indication of _NET_ACTIVE_WINDOW for a request made on behalf of the user.
constexpr std::uint32_t sourcePager = 2;
// WM_STATE's value for a minimised window.
constexpr std::uint32_t iconicState = 3;

bool IsMinimised(XcbConnection& connection, xcb_window_t window) {
    const auto wmState = ReadWords(connection, window, connection.Atom("WM_STATE"));
    if (!wmState.empty() && wmState[0] == iconicState) {
        return true;
    }
    const auto netWmState = ReadWords(connection, window, connection.Atom("_NET_WM_STATE"));
    return std::ranges::find(netWmState, connection.Atom("_NET_WM_STATE_HIDDEN")) !=
           netWmState.end();
}

bool IsViewable(XcbConnection& connection, xcb_window_t window) {
    const auto reply = TakeReply(xcb_get_window_attributes_reply, connection.Get(),
                                 xcb_get_window_attributes(connection.Get(), window));
    return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

void RequestActivation(XcbConnection& connection, xcb_window_t window) {
    ClientMessage message;
    message.window = window;
    message.type = connection.Atom("_NET_ACTIVE_WINDOW");
    message.data = {sourcePager, XCB_CURRENT_TIME, XCB_WINDOW_NONE, 0, 0};
    SendClientMessage(connection, connection.Root(), message,
                      XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY);
}

void Raise(XcbConnection& connection, xcb_window_t window) {
    const std::uint32_t above = XCB_STACK_MODE_ABOVE;
    connection.Check(xcb_configure_window_checked(connection.Get(), window,
                                                  XCB_CONFIG_WINDOW_STACK_MODE, &above));
}

void Focus(XcbConnection& connection, xcb_window_t window) {
    connection.Check(xcb_set_input_focus_checked(connection.Get(), XCB_INPUT_FOCUS_POINTER_ROOT,
                                                 window, XCB_CURRENT_TIME));
}

} // namespace

void ActivateWindow(XcbConnection& connection, const TitledWindow& target, bool windowManagerRuns) {
    if (windowManagerRuns) {
        if (IsMinimised(connection, target.window)) {
            // The window manager sees this as a restack request of its client.
            Raise(connection, target.window);
        } else {
            RequestActivation(connection, target.window);
        }
        return;
    }
    Raise(connection, target.topLevel);
    if (IsViewable(connection, target.window)) {
        Focus(connection, target.window);
    }
}

} // namespace karusello

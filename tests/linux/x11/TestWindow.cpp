#include "TestWindow.h"

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <unistd.h>

namespace karusello::test {

bool HaveDisplay() {
    const char* display = std::getenv("DISPLAY");
    return display != nullptr && *display != '\0';
}

TestConnection::TestConnection(const char* displayName) {
    int screenNumber = 0;
    // An X server without -noreset resets when its last client leaves, and refuses connections
    // meanwhile; test processes come and go, so a refused first try is retried for a while.
    // Once this connection stands, the server stays up for the connections of the code under
    // test that follow it.
    for (int attempt = 0;; ++attempt) {
        connection_ = xcb_connect(displayName, &screenNumber);
        if (xcb_connection_has_error(connection_) == 0) {
            break;
        }
        xcb_disconnect(connection_);
        if (attempt == 100) {
            throw std::runtime_error("cannot connect to the X server");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber; ++i) {
        xcb_screen_next(&screens);
    }
    screen_ = screens.data;
}

TestConnection::~TestConnection() {
    xcb_disconnect(connection_);
}

xcb_atom_t TestConnection::Atom(const std::string& name) {
    XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection_,
        xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

void TestConnection::Sync() {
    XcbReply<xcb_get_input_focus_reply_t> reply(
        xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

std::vector<XcbReply<xcb_generic_event_t>> TestConnection::TakeEvents() {
    std::vector<XcbReply<xcb_generic_event_t>> events;
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        XcbReply<xcb_generic_event_t> owned(event);
        if (event->response_type != 0) {
            events.push_back(std::move(owned));
        }
    }
    return events;
}

std::vector<xcb_window_t> TestConnection::Stack() {
    XcbReply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection_, xcb_query_tree(connection_, Root()), nullptr));
    if (!tree) {
        return {};
    }
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    return {children, children + xcb_query_tree_children_length(tree.get())};
}

void TestConnection::SetWords(xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                              const std::vector<std::uint32_t>& words) {
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, property, type, 32,
                        static_cast<std::uint32_t>(words.size()), words.data());
    Sync();
}

void TestConnection::SetText(xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                             const std::string& text) {
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, property, type, 8,
                        static_cast<std::uint32_t>(text.size()), text.data());
    Sync();
}

TestWindow::TestWindow(TestConnection& connection, const std::string& title, bool mapped)
    : connection_(connection), id_(xcb_generate_id(connection.Get())) {
    xcb_create_window(connection.Get(), XCB_COPY_FROM_PARENT, id_, connection.Root(), 10, 10, 120,
                      40, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
    connection.SetText(id_, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, title);
    connection.SetText(id_, connection.Atom("_NET_WM_NAME"), connection.Atom("UTF8_STRING"), title);
    if (mapped) {
        xcb_map_window(connection.Get(), id_);
    }
    connection.Sync();
}

TestWindow::~TestWindow() {
    Destroy();
}

void TestWindow::Destroy() {
    if (alive_) {
        xcb_destroy_window(connection_.Get(), id_);
        connection_.Sync();
        alive_ = false;
    }
}

std::uint8_t TestWindow::MapState() {
    XcbReply<xcb_get_window_attributes_reply_t> reply(xcb_get_window_attributes_reply(
        connection_.Get(), xcb_get_window_attributes(connection_.Get(), id_), nullptr));
    return reply ? reply->map_state : std::uint8_t{XCB_MAP_STATE_UNMAPPED};
}

std::string UniqueTitle(const std::string& stem) {
    static int counter = 0;
    return stem + " " + std::to_string(::getpid()) + "-" + std::to_string(++counter);
}

} // namespace karusello::test

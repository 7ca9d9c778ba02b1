#include "bench/WindowWatch.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace karusello::bench {

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

std::vector<xcb_window_t> Children(xcb_connection_t* connection, xcb_window_t window) {
    Reply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
    if (!tree) {
        return {};
    }
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    return {children, children + xcb_query_tree_children_length(tree.get())};
}

} // namespace

WindowWatch::WindowWatch() {
    connection_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection_)) {
        xcb_disconnect(connection_);
        connection_ = nullptr;
        return;
    }
    screen_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    const char* name = "_NET_WM_NAME";
    Reply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, std::strlen(name), name), nullptr));
    if (atom) {
        netWmName_ = atom->atom;
    }
}

WindowWatch::~WindowWatch() {
    if (connection_) {
        xcb_disconnect(connection_);
    }
}

xcb_window_t WindowWatch::CreateWindow(const std::string& title) {
    const xcb_window_t window = xcb_generate_id(connection_);
    const std::uint32_t values[] = {screen_->white_pixel};
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window, screen_->root, 600, 400, 200, 100,
                      0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen_->root_visual, XCB_CW_BACK_PIXEL,
                      values);
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME,
                        XCB_ATOM_STRING, 8, title.size(), title.data());
    xcb_map_window(connection_, window);
    // A round trip, so that the window exists before anybody is told its id.
    Reply<xcb_get_input_focus_reply_t>(
        xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    return window;
}

bool WindowWatch::Titled(const std::string& title, bool viewableOnly) {
    for (const xcb_window_t top : Children(connection_, screen_->root)) {
        if (Matches(top, title, viewableOnly)) {
            return true;
        }
        for (const xcb_window_t inner : Children(connection_, top)) {
            if (Matches(inner, title, viewableOnly)) {
                return true;
            }
        }
    }
    return false;
}

bool WindowWatch::Matches(xcb_window_t window, const std::string& title, bool viewableOnly) {
    return Title(window) == title && (!viewableOnly || Viewable(window));
}

std::string WindowWatch::Title(xcb_window_t window) {
    for (const xcb_atom_t property : {netWmName_, static_cast<xcb_atom_t>(XCB_ATOM_WM_NAME)}) {
        if (property == XCB_ATOM_NONE) {
            continue;
        }
        Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
            nullptr));
        if (reply && reply->format == 8 && xcb_get_property_value_length(reply.get()) > 0) {
            return std::string(
                static_cast<const char*>(xcb_get_property_value(reply.get())),
                static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
        }
    }
    return {};
}

bool WindowWatch::Viewable(xcb_window_t window) {
    Reply<xcb_get_window_attributes_reply_t> reply(xcb_get_window_attributes_reply(
        connection_, xcb_get_window_attributes(connection_, window), nullptr));
    return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

} // namespace karusello::bench

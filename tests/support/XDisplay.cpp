#include "tests/support/XDisplay.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace karusello::test {

namespace {
struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;
} // namespace

XDisplay::XDisplay() {
    if (!std::getenv("DISPLAY")) {
        return;
    }
    connection_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection_)) {
        xcb_disconnect(connection_);
        connection_ = nullptr;
        return;
    }
    screen_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
}

XDisplay::~XDisplay() {
    if (connection_) {
        xcb_disconnect(connection_);
    }
}

xcb_atom_t XDisplay::Atom(const char* name) {
    Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, std::strlen(name), name), nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

xcb_window_t XDisplay::CreateWindow(const std::string& title) {
    const xcb_window_t window = xcb_generate_id(connection_);
    const std::uint32_t values[] = {screen_->white_pixel};
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window, screen_->root, 600, 400, 200, 100,
                      0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen_->root_visual, XCB_CW_BACK_PIXEL,
                      values);
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME,
                        XCB_ATOM_STRING, 8, title.size(), title.data());
    xcb_map_window(connection_, window);
    xcb_flush(connection_);
    Reply<xcb_get_input_focus_reply_t>(
        xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    return window;
}

void XDisplay::DestroyWindow(xcb_window_t window) {
    xcb_destroy_window(connection_, window);
    Reply<xcb_get_input_focus_reply_t>(
        xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

std::string XDisplay::Title(xcb_window_t window) {
    for (xcb_atom_t property : {Atom("_NET_WM_NAME"), static_cast<xcb_atom_t>(XCB_ATOM_WM_NAME)}) {
        Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
            nullptr));
        if (reply && reply->format == 8 && xcb_get_property_value_length(reply.get()) > 0) {
            return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                               xcb_get_property_value_length(reply.get()));
        }
    }
    return {};
}

std::vector<xcb_window_t> XDisplay::ChildrenOf(xcb_window_t window) {
    Reply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection_, xcb_query_tree(connection_, window), nullptr));
    if (!tree) {
        return {};
    }
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    return {children, children + xcb_query_tree_children_length(tree.get())};
}

std::vector<xcb_window_t> XDisplay::WindowsTitled(const std::string& title) {
    std::vector<xcb_window_t> found;
    for (xcb_window_t top : StackingOrder()) {
        if (Title(top) == title) {
            found.push_back(top);
        }
        for (xcb_window_t inner : ChildrenOf(top)) {
            if (Title(inner) == title) {
                found.push_back(inner);
            }
        }
    }
    return found;
}

std::optional<Geometry> XDisplay::GeometryOf(xcb_window_t window) {
    Reply<xcb_get_geometry_reply_t> reply(
        xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
    if (!reply) {
        return std::nullopt;
    }
    return Geometry{reply->x, reply->y, reply->width, reply->height};
}

bool XDisplay::IsAbove(xcb_window_t upper, xcb_window_t lower) {
    const auto order = StackingOrder();
    const auto u = std::find(order.begin(), order.end(), upper);
    const auto l = std::find(order.begin(), order.end(), lower);
    return u != order.end() && l != order.end() && u > l;
}

bool XDisplay::Viewable(xcb_window_t window) {
    Reply<xcb_get_window_attributes_reply_t> reply(xcb_get_window_attributes_reply(
        connection_, xcb_get_window_attributes(connection_, window), nullptr));
    return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

} // namespace karusello::test

#pragma once

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace karusello {

// xcb hands out replies and errors allocated with malloc; the caller frees them.
struct XcbFree {
    void operator()(void* p) const noexcept { std::free(p); }
};

template <typename T> using XcbReply = std::unique_ptr<T, XcbFree>;

using XcbError = XcbReply<xcb_generic_error_t>;

// Waits for the reply to a request, e.g. TakeReply(xcb_query_tree_reply, connection, cookie).
// Null when the request failed; its X error is freed here.
template <typename Reply, typename Cookie>
XcbReply<Reply> TakeReply(Reply* (*takeReply)(xcb_connection_t*, Cookie, xcb_generic_error_t**),
                          xcb_connection_t* connection, Cookie cookie) {
    xcb_generic_error_t* rawError = nullptr;
    XcbReply<Reply> reply(takeReply(connection, cookie, &rawError));
    XcbError error(rawError);
    if (error) {
        return nullptr;
    }
    return reply;
}

} // namespace karusello

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

} // namespace karusello

#pragma once

#include <cstdint>

namespace karusello {

// A window handle as the host publishes it: a 32-bit signed number, 0 for none. On X11 it is
// an X window id.
using WindowHandle = std::int32_t;

} // namespace karusello

#pragma once

#include "linux/x11/TitledWindow.h"
#include "linux/x11/XcbConnection.h"

#include <vector>

namespace karusello {

// The top-level windows that carry a title (_NET_WM_NAME, else WM_NAME), in the window system's
// order. With a window manager that publishes _NET_CLIENT_LIST these are its client windows;
// otherwise the children of the root and, for window managers that put each client into a
// frame, the children of those.
std::vector<TitledWindow> ListTitledWindows(XcbConnection& connection, bool windowManagerRuns);

} // namespace karusello

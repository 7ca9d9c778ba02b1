#pragma once

#include "linux/x11/XcbConnection.h"

namespace karusello {

// True when an EWMH window manager runs: the root names a check window in
// _NET_SUPPORTING_WM_CHECK and that window names itself the same way. A property left behind
// by a window manager that has gone points to a missing window and does not count.
bool WindowManagerRuns(XcbConnection& connection);

} // namespace karusello

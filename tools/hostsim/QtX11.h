#pragma once

#include <xcb/xcb.h>

namespace karusello::hostsim {

// True when the display named by $DISPLAY accepts a connection. Qt would abort without one.
bool DisplayReachable();

// The X connection of the running Qt application; null on any other platform.
xcb_connection_t* QtXcbConnection();

// Waits until the X server has handled every request sent so far (window creation and
// destruction included), so that other clients see the result.
void SyncWithServer();

} // namespace karusello::hostsim

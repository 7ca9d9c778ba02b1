#pragma once

#include "linux/x11/TitledWindow.h"
#include "linux/x11/XcbConnection.h"

namespace karusello {

// Brings the window to the front without waiting and without changing whether it is minimised.
// With a window manager it asks for activation (_NET_ACTIVE_WINDOW); a minimised window is only
// raised, since activation would restore it. Without a window manager the window's top-level
// window is raised and the window gets the input focus when it is viewable; an unmapped window
// stays unmapped.
void ActivateWindow(XcbConnection& connection, const TitledWindow& target, bool windowManagerRuns);

} // namespace karusello

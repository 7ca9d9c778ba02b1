#pragma once

namespace karusello {

// Picks Qt's platform before the application object exists: the one named in QT_QPA_PLATFORM
// when that is set, else xcb on an X display (DISPLAY set), else offscreen, so that a run
// without a display never stops at a missing display.
void ChooseQtPlatform();

} // namespace karusello

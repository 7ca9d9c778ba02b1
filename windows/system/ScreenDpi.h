#pragma once

namespace karusello {

// The screen's dots per inch, across and down.
struct Dpi {
    int x = 96;
    int y = 96;
};

// The DPI of the screen that the window opens on (LOGPIXELSX and LOGPIXELSY); 96 when the
// screen's device context cannot be had.
Dpi ScreenDpi();

} // namespace karusello

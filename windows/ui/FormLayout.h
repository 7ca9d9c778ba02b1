#pragma once

#include "core/app/interfaces/FormDesign.h"

#include <windows.h>

namespace karusello {

// The screen's dots per inch, across and down.
struct Dpi {
    int x = 96;
    int y = 96;
};

// The DPI of the screen that the window opens on (LOGPIXELSX and LOGPIXELSY).
Dpi ScreenDpi();

// Twips to pixels at a DPI, rounded to the nearest pixel (15 twips make a pixel at 96 DPI).
int TwipsToPixels(int twips, int dpi);
RECT TwipsToPixels(const TwipsRect& rect, Dpi dpi);

} // namespace karusello

#pragma once

#include <windows.h>

namespace karusello {

// A place on the form in twips (1/1440 inch), relative to the client area.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// The screen's dots per inch, across and down.
struct Dpi {
    int x = 96;
    int y = 96;
};

// The form frmRandomPL as designed, in twips.
namespace form_layout {
inline constexpr int ClientWidth = 6210;
inline constexpr int ClientHeight = 2025;
inline constexpr TwipsRect SkinLabel1{150, 75, 5940, 1815};
inline constexpr TwipsRect cmdWeiderherstellen{120, 1560, 2085, 390};
inline constexpr TwipsRect cmdAbbruch{3225, 1575, 1365, 390};
inline constexpr TwipsRect cmdShuffel{4725, 1575, 1365, 390};
} // namespace form_layout

// The DPI of the screen that the window opens on (LOGPIXELSX and LOGPIXELSY).
Dpi ScreenDpi();

// Twips to pixels at a DPI, rounded to the nearest pixel (15 twips make a pixel at 96 DPI).
int TwipsToPixels(int twips, int dpi);
RECT TwipsToPixels(const TwipsRect& rect, Dpi dpi);

} // namespace karusello

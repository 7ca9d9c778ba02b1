#pragma once

#include "core/app/interfaces/FormDesign.h"
#include "windows/system/ScreenDpi.h"

#include <windows.h>

namespace karusello {

// Twips to pixels at a DPI, rounded to the nearest pixel (15 twips make a pixel at 96 DPI).
int TwipsToPixels(int twips, int dpi);
RECT TwipsToPixels(const TwipsRect& rect, Dpi dpi);

} // namespace karusello

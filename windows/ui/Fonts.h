#pragma once

#include "windows/ui/GdiObjects.h"

namespace karusello {

// A font by family, size in points (fractions allowed, as the form stores 8.25) and weight, for
// a screen of dpiY dots per inch.
FontHandle CreatePointFont(const wchar_t* family, double points, int weight, int dpiY);

} // namespace karusello

#include "windows/ui/FormLayout.h"

namespace karusello {

namespace {
constexpr int TwipsPerInch = 1440;
} // namespace

int TwipsToPixels(int twips, int dpi) {
    return MulDiv(twips, dpi, TwipsPerInch);
}

// The edges are converted, not the sizes, so that neighbouring controls meet as designed.
RECT TwipsToPixels(const TwipsRect& rect, Dpi dpi) {
    return {TwipsToPixels(rect.left, dpi.x), TwipsToPixels(rect.top, dpi.y),
            TwipsToPixels(rect.left + rect.width, dpi.x),
            TwipsToPixels(rect.top + rect.height, dpi.y)};
}

} // namespace karusello

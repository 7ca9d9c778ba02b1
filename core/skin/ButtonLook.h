#pragma once

#include "core/skin/SkinSettings.h"

namespace karusello {

// The colours and edge of the skin's buttons in each state, as both windows draw them.
struct ButtonLook {
    SkinColor face;         // the panel colour
    SkinColor text;         // the caption
    SkinColor border;       // the edge
    SkinColor hoverFace;    // the face under the pointer: a little lighter
    SkinColor pressedFace;  // the face while pressed: a little darker
    SkinColor disabledText; // the caption of a disabled button: between face and caption
    bool raised = true;     // raised: a bevelled edge (sunken while pressed); flat: a line
    int borderWidth = 2;    // in pixels
    int radius = 0;         // rounded corners, in pixels
};

ButtonLook ButtonLookOf(const SkinSettings& skin);

// Lightness changes as the Qt build makes them (QColor::lighter and darker): the colour's HSV
// value times factor / 100, or divided by it; a value pushed past the top takes saturation
// away instead. Factors below 100 are not used.
SkinColor Lighter(const SkinColor& color, int factor);
SkinColor Darker(const SkinColor& color, int factor);
// The colour halfway between two, channel by channel, rounded down.
SkinColor Mix(const SkinColor& a, const SkinColor& b);

} // namespace karusello

#pragma once

namespace karusello {

// A place on the form in twips (1/1440 inch), relative to the client area.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// The window frmRandomPL as designed: the place of each control in twips and the intervals of
// its two timers. Both windows (Qt and Win32) are laid out from these; 15 twips make one pixel
// at 96 dots per inch.
namespace form_design {
inline constexpr int ClientWidth = 6210;
inline constexpr int ClientHeight = 2025;
inline constexpr TwipsRect SkinLabel1{150, 75, 5940, 1815};
// Its top is 1560, not 1575 like the other two buttons, as designed.
inline constexpr TwipsRect cmdWeiderherstellen{120, 1560, 2085, 390};
inline constexpr TwipsRect cmdAbbruch{3225, 1575, 1365, 390};
inline constexpr TwipsRect cmdShuffel{4725, 1575, 1365, 390};

inline constexpr int TwipsPerPixelAt96Dpi = 15;

// The information line's font; the Win32 buttons use the same face and size, not bold.
inline constexpr const char16_t* FontFace = u"MS Sans Serif";
inline constexpr double FontPoints = 8.25;
inline constexpr int LabelFontWeight = 700; // bold

inline constexpr int Timer1IntervalMs = 1000; // host watchdog
inline constexpr int Timer2IntervalMs = 5000; // playlist-name refresh
} // namespace form_design

} // namespace karusello

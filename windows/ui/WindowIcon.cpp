#include "windows/ui/WindowIcon.h"

#include <gdiplus.h>

#include <array>

namespace karusello {

namespace {
constexpr int Size = 32;
} // namespace

WindowIcon::WindowIcon() {
    using namespace Gdiplus;
    constexpr std::array<ARGB, 6> seats{0xffd62828, 0xfff77f00, 0xfffcbf49,
                                        0xff2a9d8f, 0xff1d3557, 0xff8e44ad};
    Bitmap image(Size, Size, PixelFormat32bppARGB);
    {
        Graphics graphics(&image);
        graphics.SetSmoothingMode(SmoothingModeAntiAlias);
        graphics.Clear(Color(0, 0, 0, 0));
        const Pen outline(Color(0x30, 0x30, 0x30), 1);
        const float span = 360.0f / seats.size();
        for (std::size_t i = 0; i < seats.size(); ++i) {
            // Counter-clockwise from three o'clock, as Qt counts its angles.
            const float start = -span * static_cast<float>(i + 1);
            const SolidBrush seat{Color(seats[i])};
            graphics.FillPie(&seat, 2.0f, 2.0f, Size - 4.0f, Size - 4.0f, start, span);
            graphics.DrawPie(&outline, 2.0f, 2.0f, Size - 4.0f, Size - 4.0f, start, span);
        }
        const SolidBrush hub(Color(0xf1, 0xfa, 0xee));
        graphics.FillEllipse(&hub, Size / 2.0f - 5, Size / 2.0f - 5, 10.0f, 10.0f);
        graphics.DrawEllipse(&outline, Size / 2.0f - 5, Size / 2.0f - 5, 10.0f, 10.0f);
    }
    if (image.GetHICON(&icon_) != Ok) {
        icon_ = nullptr;
    }
}

WindowIcon::~WindowIcon() {
    if (icon_ != nullptr) {
        DestroyIcon(icon_);
    }
}

} // namespace karusello

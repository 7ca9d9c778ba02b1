#include "windows/ui/SkinPainter.h"

#include "core/os/Utf8Path.h"

#include <gdiplus.h>

#include <algorithm>

namespace karusello {

namespace {

using Gdiplus::Color;
using Gdiplus::Graphics;
using Gdiplus::Rect;

Color ToColor(const SkinColor& color) {
    return Color(color.r, color.g, color.b);
}

// The window's own colour where the skin leaves the client area alone.
Color PlainColour() {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return Color(GetRValue(face), GetGValue(face), GetBValue(face));
}

std::unique_ptr<Gdiplus::Bitmap> LoadImage(const std::string& path) {
    if (path.empty()) {
        return nullptr;
    }
    auto image = std::make_unique<Gdiplus::Bitmap>(Utf8Path(path).c_str());
    if (image->GetLastStatus() != Gdiplus::Ok || image->GetWidth() == 0) {
        return nullptr;
    }
    return image;
}

void FillArea(Graphics& graphics, const Gdiplus::Brush& brush, const RECT& area) {
    graphics.FillRectangle(
        &brush, Rect(area.left, area.top, area.right - area.left, area.bottom - area.top));
}

// The four bands of the frame along the client area's edges.
void PaintFrame(Graphics& graphics, const SkinSettings& skin, SIZE client) {
    const int w = skin.frameWidth;
    const Gdiplus::SolidBrush brush(ToColor(skin.frameColor));
    graphics.FillRectangle(&brush, 0, 0, client.cx, w);
    graphics.FillRectangle(&brush, 0, client.cy - w, client.cx, w);
    graphics.FillRectangle(&brush, 0, 0, w, client.cy);
    graphics.FillRectangle(&brush, client.cx - w, 0, w, client.cy);
}

void AddRoundedRect(Gdiplus::GraphicsPath& path, Gdiplus::RectF box, float radius) {
    const float d = std::min({2 * radius, box.Width, box.Height});
    if (d <= 0) {
        path.AddRectangle(box);
        return;
    }
    path.AddArc(box.X, box.Y, d, d, 180, 90);
    path.AddArc(box.X + box.Width - d, box.Y, d, d, 270, 90);
    path.AddArc(box.X + box.Width - d, box.Y + box.Height - d, d, d, 0, 90);
    path.AddArc(box.X, box.Y + box.Height - d, d, d, 90, 90);
    path.CloseFigure();
}

// A bevelled edge of width w: light along the top and left, the edge colour along the bottom
// and right (outset); the other way round while pressed (inset). The corners are mitred.
void PaintBevel(Graphics& graphics, const RECT& r, int w, const SkinColor& edge, bool sunken) {
    const Gdiplus::SolidBrush light(ToColor(Lighter(edge, 150)));
    const Gdiplus::SolidBrush plain(ToColor(edge));
    const auto& topLeft = sunken ? plain : light;
    const auto& bottomRight = sunken ? light : plain;
    const int l = r.left, t = r.top, rr = r.right, b = r.bottom;
    const Gdiplus::Point top[] = {{l, t}, {rr, t}, {rr - w, t + w}, {l + w, t + w}};
    const Gdiplus::Point left[] = {{l, t}, {l + w, t + w}, {l + w, b - w}, {l, b}};
    const Gdiplus::Point bottom[] = {{l, b}, {l + w, b - w}, {rr - w, b - w}, {rr, b}};
    const Gdiplus::Point right[] = {{rr, t}, {rr, b}, {rr - w, b - w}, {rr - w, t + w}};
    graphics.FillPolygon(&topLeft, top, 4);
    graphics.FillPolygon(&topLeft, left, 4);
    graphics.FillPolygon(&bottomRight, bottom, 4);
    graphics.FillPolygon(&bottomRight, right, 4);
}

} // namespace

COLORREF ToColorRef(const SkinColor& color) {
    return RGB(color.r, color.g, color.b);
}

SkinPainter::SkinPainter(SkinSettings settings)
    : settings_(std::move(settings)), buttons_(ButtonLookOf(settings_)),
      background_(LoadImage(settings_.backgroundImage)) {}

SkinPainter::~SkinPainter() = default;

COLORREF SkinPainter::TextColour() const {
    return ToColorRef(settings_.m_ForeColor);
}

COLORREF SkinPainter::ButtonTextColour(ButtonState state) const {
    return ToColorRef(state == ButtonState::Disabled ? buttons_.disabledText : buttons_.text);
}

// Tiles start at the client area's top left corner, wherever the painted part lies.
void SkinPainter::PaintClientArea(HDC dc, SIZE clientSize, const RECT& area) const {
    Graphics graphics(dc);
    graphics.TranslateTransform(static_cast<float>(-area.left), static_cast<float>(-area.top));
    if (!settings_.m_bSkinClientArea) {
        FillArea(graphics, Gdiplus::SolidBrush(PlainColour()), area);
    } else if (background_ && settings_.backgroundMode == BackgroundMode::Stretch) {
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBilinear);
        // Edge pixels are mirrored instead of blended with nothing.
        Gdiplus::ImageAttributes edges;
        edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
        graphics.DrawImage(background_.get(), Rect(0, 0, clientSize.cx, clientSize.cy), 0, 0,
                           static_cast<INT>(background_->GetWidth()),
                           static_cast<INT>(background_->GetHeight()), Gdiplus::UnitPixel, &edges);
    } else if (background_) {
        FillArea(graphics, Gdiplus::TextureBrush(background_.get(), Gdiplus::WrapModeTile), area);
    } else {
        FillArea(graphics, Gdiplus::SolidBrush(ToColor(settings_.m_BackColor)), area);
    }
    if (settings_.frameWidth > 0) {
        PaintFrame(graphics, settings_, clientSize);
    }
}

void SkinPainter::PaintButton(HDC dc, const RECT& rect, ButtonState state) const {
    Graphics graphics(dc);
    const ButtonLook& look = buttons_;
    const SkinColor face = state == ButtonState::Hover     ? look.hoverFace
                           : state == ButtonState::Pressed ? look.pressedFace
                                                           : look.face;
    const Gdiplus::SolidBrush faceBrush(ToColor(face));
    if (look.raised && look.radius == 0) {
        graphics.FillRectangle(
            &faceBrush, Rect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
        PaintBevel(graphics, rect, look.borderWidth, look.border, state == ButtonState::Pressed);
        return;
    }
    // A flat edge, or a rounded one (raised buttons with rounded corners get a plain edge in
    // the edge colour). Corners are smoothed. The edge is the outer shape in the edge colour with
    // the face filled inside it: fills of whole pixels land where they should under every GDI+,
    // where a one-pixel stroke on a half pixel does not.
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    const auto box = [&](int inset) {
        return Gdiplus::RectF(static_cast<float>(rect.left + inset),
                              static_cast<float>(rect.top + inset),
                              static_cast<float>(rect.right - rect.left - 2 * inset),
                              static_cast<float>(rect.bottom - rect.top - 2 * inset));
    };
    const int edge = look.borderWidth;
    Gdiplus::GraphicsPath outer;
    AddRoundedRect(outer, box(0), static_cast<float>(look.radius));
    const Gdiplus::SolidBrush edgeBrush(ToColor(look.border));
    graphics.FillPath(&edgeBrush, &outer);
    Gdiplus::GraphicsPath inner;
    AddRoundedRect(inner, box(edge), static_cast<float>(std::max(look.radius - edge, 0)));
    graphics.FillPath(&faceBrush, &inner);
}

} // namespace karusello

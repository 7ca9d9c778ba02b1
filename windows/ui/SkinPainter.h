#pragma once

#include "core/skin/ButtonLook.h"
#include "core/skin/SkinSettings.h"

#include <windows.h>

#include <functional>
#include <memory>

namespace Gdiplus {
class Bitmap;
}

namespace karusello {

// Paints the parent's client area under a part of it (parent coordinates) into a dc, at its
// origin: what shows around a button's rounded corners and behind the label's text.
using BackgroundPainter = std::function<void(HDC dc, const RECT& area)>;

// What a button shows at the moment it is drawn.
enum class ButtonState { Normal, Hover, Pressed, Disabled };

// Draws the look of one skin with GDI+, as the Qt window shows the same skin: the client area
// in the skin's colour or background image (tiled or stretched) with the frame along its edge,
// and the buttons' faces and edges. Needs a GdiplusSession.
class SkinPainter {
public:
    // Loads the background image beside the skin file; one that cannot be read leaves the
    // client area in its colour.
    explicit SkinPainter(SkinSettings settings);
    ~SkinPainter();
    SkinPainter(const SkinPainter&) = delete;
    SkinPainter& operator=(const SkinPainter&) = delete;

    const SkinSettings& Settings() const { return settings_; }
    const ButtonLook& Buttons() const { return buttons_; }
    COLORREF TextColour() const;
    COLORREF ButtonTextColour(ButtonState state) const;

    // Paints the part `area` (client coordinates) of a client area of clientSize into dc, with
    // area's top left corner at the dc's origin.
    void PaintClientArea(HDC dc, SIZE clientSize, const RECT& area) const;
    // Paints a button's face and edge filling rect of dc; the caption is the caller's.
    void PaintButton(HDC dc, const RECT& rect, ButtonState state) const;

private:
    SkinSettings settings_;
    ButtonLook buttons_;
    std::unique_ptr<Gdiplus::Bitmap> background_;
};

// The colour as GDI takes it.
COLORREF ToColorRef(const SkinColor& color);

} // namespace karusello

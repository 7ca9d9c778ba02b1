#pragma once

#include "core/skin/SkinSettings.h"

#include <QImage>

class QWidget;

namespace karusello {

// Gives a window the skin's look: its client area in the skin's colour or background image,
// an optional frame along the client area's edge, the text in the skin's text colour and the
// buttons in the panel look. Colours are used as they are, never shifted in hue.
void ApplySkinLook(QWidget& window, const SkinSettings& skin, const QImage& background);

} // namespace karusello

#pragma once

#include "core/app/interfaces/WindowHandle.h"

class QWidget;

namespace karusello {

// The native window id of a widget as the workflow sees window handles.
WindowHandle HandleOf(QWidget& widget);

// The widget of this program whose native window has this handle; null when there is none.
QWidget* WidgetByHandle(WindowHandle handle);

} // namespace karusello

#include "linux/ui/WidgetByHandle.h"

#include <QWidget>

#include <cstdint>

namespace karusello {

// X window ids use at most 29 bits, so they fit the 32-bit handles that the host publishes.
WindowHandle HandleOf(QWidget& widget) {
    return static_cast<WindowHandle>(static_cast<std::uint32_t>(widget.winId()));
}

QWidget* WidgetByHandle(WindowHandle handle) {
    if (handle == 0) {
        return nullptr;
    }
    return QWidget::find(static_cast<WId>(static_cast<std::uint32_t>(handle)));
}

} // namespace karusello

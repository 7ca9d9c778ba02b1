#include "linux/ui/QtSkinControl.h"

#include "core/errors/RuntimeError.h"
#include "linux/ui/SkinLook.h"
#include "linux/ui/WidgetByHandle.h"
#include "core/skin/SkinFile.h"

#include <QWidget>

namespace karusello {

namespace {

// An image that cannot be read is left out: the client area keeps the skin's colour.
QImage LoadBackground(const std::string& path) {
    if (path.empty()) {
        return {};
    }
    return QImage(QString::fromStdString(path));
}

QWidget& RequireWidget(WindowHandle handle) {
    QWidget* widget = WidgetByHandle(handle);
    if (widget == nullptr) {
        throw RuntimeError(errnum::InvalidProcedureCall,
                           StandardErrorText(errnum::InvalidProcedureCall) +
                               ": kein Fenster mit dem Handle " + std::to_string(handle));
    }
    return *widget;
}

} // namespace

void QtSkinControl::LoadSkin(const std::string& path) {
    SkinSettings settings = LoadSkinFile(path);
    background_ = LoadBackground(settings.backgroundImage);
    settings_ = std::move(settings);
}

// A file that showed nothing of our format leaves the window as it is.
void QtSkinControl::ApplySkin(WindowHandle window) {
    QWidget& widget = RequireWidget(window);
    if (settings_.recognised) {
        ApplySkinLook(widget, settings_, background_);
    }
}

void QtSkinControl::RedrawSkinned(WindowHandle window) {
    RequireWidget(window).repaint();
}

} // namespace karusello

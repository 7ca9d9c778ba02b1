#include "linux/ui/QtFormView.h"

#include "core/errors/RuntimeError.h"
#include "linux/ui/RandomPLWindow.h"
#include "linux/ui/WidgetByHandle.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace karusello {

WindowHandle QtFormView::Handle() {
    return HandleOf(window_);
}

void QtFormView::SetCaption(const std::string& caption) {
    window_.setWindowTitle(QString::fromStdString(caption));
}

void QtFormView::SetButtonCaption(Button button, const std::string& caption) {
    ButtonOf(window_, button).setText(QString::fromStdString(caption));
}

void QtFormView::SetButtonEnabled(Button button, bool enabled) {
    ButtonOf(window_, button).setEnabled(enabled);
}

// The busy pointer is shown over the whole application, as the hourglass was, and is set at
// most once so that the default pointer always comes back with one call.
void QtFormView::SetMousePointer(int style) {
    const bool busy = style == vbHourglass;
    if (busy == busyPointer_) {
        return;
    }
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
    busyPointer_ = busy;
}

void QtFormView::SetLabelText(const std::string& text) {
    window_.SkinLabel1().setText(QString::fromStdString(text));
}

WindowHandle QtFormView::LabelHandle() {
    return HandleOf(window_.SkinLabel1());
}

// Switching redrawing on again schedules one repaint; a redraw asked for right after it (the
// skin's) is merged with it.
void QtFormView::SetRedraw(WindowHandle window, bool on) {
    QWidget* widget = WidgetByHandle(window);
    if (widget == nullptr) {
        throw RuntimeError(errnum::InvalidProcedureCall);
    }
    widget->setUpdatesEnabled(on);
}

} // namespace karusello

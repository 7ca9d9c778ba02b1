// The Qt window against the checks that every window behind FormView must pass.
#include "tests/support/FormViewContract.h"
#include "linux/ui/QtFormView.h"
#include "linux/ui/RandomPLWindow.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace karusello::test {

// Outside an anonymous namespace: its name is part of the test names.

class QtFormProbe {
public:
    QtFormProbe() : view_(window_) {}
    ~QtFormProbe() {
        while (QApplication::overrideCursor() != nullptr) {
            QApplication::restoreOverrideCursor();
        }
    }

    FormView& View() { return view_; }
    Geometry ClientArea() { return Of(window_.rect()); }
    Geometry Control(const std::string& name) {
        const auto* widget = window_.findChild<QWidget*>(QString::fromStdString(name));
        return widget != nullptr ? Of(widget->geometry()) : Geometry{};
    }
    std::string Caption() { return window_.windowTitle().toStdString(); }
    std::string ButtonCaption(Button button) {
        return ButtonOf(window_, button).text().toStdString();
    }
    bool ButtonEnabled(Button button) { return ButtonOf(window_, button).isEnabled(); }
    std::string LabelText() { return window_.SkinLabel1().text().toStdString(); }
    bool BusyPointer() {
        const QCursor* cursor = QApplication::overrideCursor();
        return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
    }
    std::vector<std::string> TabOrder() {
        std::vector<std::string> order;
        QWidget* first = window_.focusWidget();
        QWidget* widget = first;
        do {
            if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
                order.push_back(widget->objectName().toStdString());
            }
            widget = widget->nextInFocusChain();
        } while (widget != first && order.size() < 10);
        return order;
    }
    int LabelTextHeight(const std::string& text) {
        QLabel& label = window_.SkinLabel1();
        label.setText(QString::fromStdString(text));
        return label.heightForWidth(label.width());
    }

private:
    static Geometry Of(const QRect& rect) {
        return {rect.x(), rect.y(), rect.width(), rect.height()};
    }

    RandomPLWindow window_;
    QtFormView view_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, FormViewContract, QtFormProbe);

} // namespace karusello::test

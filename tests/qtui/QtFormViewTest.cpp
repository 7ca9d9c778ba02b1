#include "qtui/QtFormView.h"

#include "QtTestSupport.h"
#include "config/RuntimeError.h"
#include "qtui/RandomPLWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace karusello {
namespace {

// Counts the paint events of one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

TEST(QtFormView, HandlesAreTheNativeWindowsOfTheFormAndTheLabel) {
    RandomPLWindow window;
    QtFormView view(window);
    EXPECT_NE(view.Handle(), 0);
    EXPECT_NE(view.LabelHandle(), 0);
    EXPECT_NE(view.Handle(), view.LabelHandle());
    EXPECT_EQ(QWidget::find(static_cast<WId>(view.Handle())), &window);
    EXPECT_EQ(QWidget::find(static_cast<WId>(view.LabelHandle())), &window.SkinLabel1());
}

TEST(QtFormView, TextsArriveAsUtf8OnCaptionButtonsAndLabel) {
    RandomPLWindow window;
    QtFormView view(window);
    view.SetCaption("Brisolan Karusello");
    view.SetButtonCaption(Button::Shuffel, "Shuffle");
    view.SetButtonCaption(Button::Abbruch, "Abbrechen");
    view.SetButtonCaption(Button::Weiderherstellen, "Wiederherstellen");
    view.SetLabelText("Erste Zeile\nZur Zeit ist dies die Playliste [ Größte Hits ] ");

    EXPECT_EQ(window.windowTitle(), "Brisolan Karusello");
    EXPECT_EQ(window.cmdShuffel().text(), "Shuffle");
    EXPECT_EQ(window.cmdAbbruch().text(), "Abbrechen");
    EXPECT_EQ(window.cmdWeiderherstellen().text(), "Wiederherstellen");
    EXPECT_EQ(window.SkinLabel1().text(),
              QString::fromUtf8("Erste Zeile\nZur Zeit ist dies die Playliste [ Größte Hits ] "));
}

TEST(QtFormView, ButtonsAreEnabledAndDisabledOneByOne) {
    RandomPLWindow window;
    QtFormView view(window);
    view.SetButtonEnabled(Button::Weiderherstellen, false);
    EXPECT_FALSE(window.cmdWeiderherstellen().isEnabled());
    EXPECT_TRUE(window.cmdShuffel().isEnabled());
    EXPECT_TRUE(window.cmdAbbruch().isEnabled());
    view.SetButtonEnabled(Button::Abbruch, false);
    EXPECT_FALSE(window.cmdAbbruch().isEnabled());
    view.SetButtonEnabled(Button::Abbruch, true);
    view.SetButtonEnabled(Button::Weiderherstellen, true);
    EXPECT_TRUE(window.cmdAbbruch().isEnabled());
    EXPECT_TRUE(window.cmdWeiderherstellen().isEnabled());
}

TEST(QtFormView, HourglassComesAndGoesWithOneCallEach) {
    RandomPLWindow window;
    QtFormView view(window);
    view.SetMousePointer(vbHourglass);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    view.SetMousePointer(vbHourglass);
    view.SetMousePointer(vbDefault);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    view.SetMousePointer(vbDefault);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtFormView, RedrawOffHoldsBackPaintingAndOnShowsTheNewTextWithOneRepaint) {
    RandomPLWindow window;
    QtFormView view(window);
    view.SetLabelText("alt");
    test::ShowAndExpose(window);
    PaintCounter counter(window.SkinLabel1());

    view.SetRedraw(view.LabelHandle(), false);
    EXPECT_FALSE(window.SkinLabel1().updatesEnabled());
    view.SetLabelText("neu");
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);

    view.SetRedraw(view.LabelHandle(), true);
    EXPECT_TRUE(window.SkinLabel1().updatesEnabled());
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
}

TEST(QtFormView, RedrawOfAnUnknownHandleIsAnError) {
    RandomPLWindow window;
    QtFormView view(window);
    try {
        view.SetRedraw(0x7ffffff0, false);
        FAIL() << "no error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), errnum::InvalidProcedureCall);
    }
}

} // namespace
} // namespace karusello

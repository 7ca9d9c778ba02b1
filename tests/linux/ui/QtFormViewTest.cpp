#include "linux/ui/QtFormView.h"

#include "QtTestSupport.h"
#include "core/errors/RuntimeError.h"
#include "linux/ui/RandomPLWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace karusello {
namespace {

TEST(QtFormView, HandlesAreTheNativeWindowsOfTheFormAndTheLabel) {
    RandomPLWindow window;
    QtFormView view(window);
    EXPECT_NE(view.Handle(), view.LabelHandle());
    EXPECT_EQ(QWidget::find(static_cast<WId>(view.Handle())), &window);
    EXPECT_EQ(QWidget::find(static_cast<WId>(view.LabelHandle())), &window.SkinLabel1());
}

TEST(QtFormView, TextsAndEnablingReachTheirControls) {
    RandomPLWindow window;
    QtFormView view(window);
    view.SetCaption("Brisolan Karusello");
    view.SetButtonCaption(Button::Shuffel, "Shuffle");
    view.SetButtonCaption(Button::Abbruch, "Abbrechen");
    view.SetButtonCaption(Button::Weiderherstellen, "Wiederherstellen");
    view.SetLabelText("Erste Zeile\nZur Zeit ist dies die Playliste [ Größte Hits ] ");
    view.SetButtonEnabled(Button::Weiderherstellen, false);
    view.SetButtonEnabled(Button::Abbruch, false);
    view.SetButtonEnabled(Button::Abbruch, true);

    EXPECT_EQ(window.windowTitle(), "Brisolan Karusello");
    EXPECT_EQ(window.cmdShuffel().text(), "Shuffle");
    EXPECT_EQ(window.cmdAbbruch().text(), "Abbrechen");
    EXPECT_EQ(window.cmdWeiderherstellen().text(), "Wiederherstellen");
    EXPECT_EQ(window.SkinLabel1().text(),
              QString::fromUtf8("Erste Zeile\nZur Zeit ist dies die Playliste [ Größte Hits ] "));
    EXPECT_TRUE(window.cmdShuffel().isEnabled());
    EXPECT_TRUE(window.cmdAbbruch().isEnabled());
    EXPECT_FALSE(window.cmdWeiderherstellen().isEnabled());
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
}

TEST(QtFormView, RedrawOffHoldsBackPaintingAndOnPaintsOnce) {
    RandomPLWindow window;
    QtFormView view(window);
    test::ShowAndExpose(window);
    test::PaintCounter counter(window.SkinLabel1());

    view.SetRedraw(view.LabelHandle(), false);
    view.SetLabelText("neu");
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    view.SetRedraw(view.LabelHandle(), true);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);

    try {
        view.SetRedraw(0x7ffffff0, false);
        ADD_FAILURE() << "no error for an unknown handle";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), errnum::InvalidProcedureCall);
    }
}

} // namespace
} // namespace karusello

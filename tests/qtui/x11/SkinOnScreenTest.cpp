// The window on a real X display: what the X server shows, with and without a skin.
#include "QtTestSupport.h"
#include "qtui/QtFormView.h"
#include "qtui/QtSkinControl.h"
#include "qtui/RandomPLWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace karusello {
namespace {

class OnScreen : public testing::Test {
protected:
    void SetUp() override {
        if (qApp == nullptr) {
            GTEST_SKIP() << "no X display";
        }
        window = std::make_unique<RandomPLWindow>();
        view = std::make_unique<QtFormView>(*window);
        view->SetCaption("Brisolan Karusello");
        view->SetButtonCaption(Button::Shuffel, "Shuffle");
        view->SetButtonCaption(Button::Abbruch, "Abbrechen");
        view->SetButtonCaption(Button::Weiderherstellen, "Wiederherstellen");
        view->SetButtonEnabled(Button::Weiderherstellen, false);
        view->SetLabelText("Mit Karusello kann die jeweils angezeigte Playliste neu sortieren.\n"
                           "Zur Zeit ist dies die Playliste [ Sommerhits ] ");
    }

    // The client area as the X server has it on screen.
    QImage Screen() {
        const QPoint origin = window->mapToGlobal(QPoint(0, 0));
        return QGuiApplication::primaryScreen()
            ->grabWindow(0, origin.x(), origin.y(), window->width(), window->height())
            .toImage();
    }

    // Waits until the X server shows the colour at this point of the client area.
    QImage ScreenShowing(QPoint point, const QColor& color) {
        QImage image;
        test::WaitFor([&] {
            image = Screen();
            return image.pixelColor(point) == color;
        });
        return image;
    }

    test::TempFolder folder;
    std::unique_ptr<RandomPLWindow> window;
    std::unique_ptr<QtFormView> view;
};

TEST_F(OnScreen, PlainWindowShowsItsControlsInTheirOwnWindows) {
    EXPECT_EQ(QGuiApplication::platformName(), "xcb");
    test::ShowAndExpose(*window);
    EXPECT_NE(view->LabelHandle(), view->Handle());
    const QImage plain = ScreenShowing({4, 60}, window->palette().color(QPalette::Window));
    EXPECT_EQ(plain.pixelColor(4, 60), window->palette().color(QPalette::Window));
    test::SaveArtifact(plain, "qtui-window-plain.png");
}

TEST_F(OnScreen, SkinnedClientAreaColourIsOnScreenWhereTheSkinSaysSo) {
    QtSkinControl skin;
    skin.LoadSkin(folder.Write("brisolan.skn", "[Colors]\nClientArea=#336699\nText=#ffffff\n"
                                               "Panel=#ffcc00\n[Buttons]\nStyle=flat\n"));
    skin.ApplySkin(view->Handle());
    test::ShowAndExpose(*window);
    const QColor clientArea(0x33, 0x66, 0x99);
    // Left margin, the gap above the label, and the gap between the two lower buttons, which
    // lies under the label's own window.
    for (const QPoint point : {QPoint(4, 60), QPoint(200, 2), QPoint(160, 115)}) {
        EXPECT_EQ(ScreenShowing(point, clientArea).pixelColor(point), clientArea)
            << point.x() << "," << point.y();
    }
    const QRect shuffle = window->cmdShuffel().geometry();
    const QPoint inButton(shuffle.x() + 5, shuffle.center().y());
    EXPECT_EQ(ScreenShowing(inButton, QColor(0xff, 0xcc, 0)).pixelColor(inButton),
              QColor(0xff, 0xcc, 0));
}

TEST_F(OnScreen, ShippedSkinScreenshot) {
    QtSkinControl skin;
    skin.LoadSkin(std::string(KARUSELLO_SKINS_DIR) + "/brisolan.skn");
    skin.ApplySkin(view->Handle());
    test::ShowAndExpose(*window);
    const QImage image = ScreenShowing({4, 60}, QColor(0xe9, 0xef, 0xf5));
    EXPECT_EQ(image.pixelColor(4, 60), QColor(0xe9, 0xef, 0xf5));
    test::SaveArtifact(image, "qtui-window-skinned.png");
}

} // namespace
} // namespace karusello

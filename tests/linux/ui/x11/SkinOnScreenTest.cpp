// The window on a real X display: what the X server shows, with and without a skin.
#include "QtTestSupport.h"
#include "linux/ui/QtFormView.h"
#include "linux/ui/QtSkinControl.h"
#include "linux/ui/RandomPLWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScreen>

#include <memory>

namespace karusello {
namespace {

class OnScreen : public testing::Test {
protected:
    void SetUp() override {
        if (qApp == nullptr) {
            GTEST_SKIP() << "no X display";
        }
        ASSERT_EQ(QGuiApplication::platformName(), "xcb");
        if (QGuiApplication::primaryScreen()->depth() < 24) {
            GTEST_SKIP() << "the display has too few colours to compare them";
        }
        window = std::make_unique<RandomPLWindow>();
        view = std::make_unique<QtFormView>(*window);
        // Away from the top left corner, where other test programs' windows open.
        window->move(700, 600);
        view->SetCaption("Brisolan Karusello");
        view->SetButtonCaption(Button::Shuffel, "Shuffle");
        view->SetButtonCaption(Button::Abbruch, "Abbrechen");
        view->SetButtonCaption(Button::Weiderherstellen, "Wiederherstellen");
        view->SetButtonEnabled(Button::Weiderherstellen, false);
        view->SetLabelText("Mit Karusello kann die jeweils angezeigte Playliste neu sortieren.\n"
                           "Zur Zeit ist dies die Playliste [ Sommerhits ] ");
    }

    void Skin(const std::string& path) {
        skin.LoadSkin(path);
        skin.ApplySkin(view->Handle());
    }

    // The client area as the X server shows it, once the point has the colour (or after a
    // generous wait).
    QImage ScreenShowing(QPoint point, const QColor& color) {
        test::ShowAndExpose(*window);
        const QPoint origin = window->mapToGlobal(QPoint(0, 0));
        QImage image;
        test::WaitFor([&] {
            window->raise();
            image = QGuiApplication::primaryScreen()
                        ->grabWindow(0, origin.x(), origin.y(), window->width(), window->height())
                        .toImage();
            return image.pixelColor(point) == color;
        });
        return image;
    }

    test::TempFolder folder;
    QtSkinControl skin;
    std::unique_ptr<RandomPLWindow> window;
    std::unique_ptr<QtFormView> view;
};

TEST_F(OnScreen, PlainWindow) {
    const QColor plain = window->palette().color(QPalette::Window);
    const QImage image = ScreenShowing({4, 60}, plain);
    EXPECT_EQ(image.pixelColor(4, 60), plain);
    test::SaveArtifact(image, "qtui-window-plain.png");
}

TEST_F(OnScreen, SkinnedClientAreaColourIsOnScreenWhereTheSkinSaysSo) {
    Skin(folder.Write("brisolan.skn", "[Colors]\nClientArea=#336699\nPanel=#ffcc00\n"));
    const QColor clientArea(0x33, 0x66, 0x99);
    // The left margin, the gap above the label, and the gap between the two lower buttons,
    // which lies under the label's own window.
    for (const QPoint point : {QPoint(4, 60), QPoint(200, 2), QPoint(160, 115)}) {
        EXPECT_EQ(ScreenShowing(point, clientArea).pixelColor(point), clientArea) << point.x();
    }
    const QRect shuffle = window->cmdShuffel().geometry();
    const QPoint inButton(shuffle.x() + 5, shuffle.center().y());
    EXPECT_EQ(ScreenShowing(inButton, QColor(0xff, 0xcc, 0)).pixelColor(inButton),
              QColor(0xff, 0xcc, 0));
}

TEST_F(OnScreen, ShippedSkin) {
    Skin(std::string(KARUSELLO_SKINS_DIR) + "/brisolan.skn");
    const QImage image = ScreenShowing({4, 60}, QColor(0xe9, 0xef, 0xf5));
    EXPECT_EQ(image.pixelColor(4, 60), QColor(0xe9, 0xef, 0xf5));
    test::SaveArtifact(image, "qtui-window-skinned.png");
}

} // namespace
} // namespace karusello

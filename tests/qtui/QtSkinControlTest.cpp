#include "qtui/QtSkinControl.h"

#include "QtTestSupport.h"
#include "config/RuntimeError.h"
#include "qtui/QtFormView.h"
#include "qtui/RandomPLWindow.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace karusello {
namespace {

// Points of the client area that no control covers: the left margin and the gap above the
// label.
constexpr QPoint LeftMargin{4, 60};
constexpr QPoint TopMargin{200, 2};

const char* const BlueSkin = "[Skin]\nName=Blau\n"
                             "[Colors]\nClientArea=#2050a0\nText=#ffff00\n"
                             "Panel=#30c030\nPanelText=#101010\n"
                             "[Buttons]\nStyle=flat\nBorder=#000000\n";

class SkinnedWindow : public testing::Test {
protected:
    SkinnedWindow() : view(window) {
        view.SetCaption("Brisolan Karusello");
        view.SetButtonCaption(Button::Shuffel, "Shuffle");
        view.SetButtonCaption(Button::Abbruch, "Abbrechen");
        view.SetButtonCaption(Button::Weiderherstellen, "Wiederherstellen");
        view.SetLabelText("Mit Karusello kann die jeweils angezeigte Playliste neu sortieren.\n"
                          "Zur Zeit ist dies die Playliste [ Sommerhits ] ");
    }

    void LoadAndApply(const std::string& content, const std::string& name = "brisolan.skn") {
        skin.LoadSkin(folder.Write(name, content));
        skin.ApplySkin(view.Handle());
    }

    test::TempFolder folder;
    RandomPLWindow window;
    QtFormView view;
    QtSkinControl skin;
};

TEST_F(SkinnedWindow, ClientAreaTextAndButtonsTakeTheSkinsColours) {
    LoadAndApply(BlueSkin);
    const QImage image = test::Render(window);
    EXPECT_EQ(test::PixelAt(image, LeftMargin.x(), LeftMargin.y()), QColor(0x20, 0x50, 0xa0));
    EXPECT_EQ(test::PixelAt(image, TopMargin.x(), TopMargin.y()), QColor(0x20, 0x50, 0xa0));
    // Inside the shuffle button, left of its centred caption.
    const QRect shuffle = window.cmdShuffel().geometry();
    EXPECT_EQ(test::PixelAt(image, shuffle.x() + 5, shuffle.center().y()),
              QColor(0x30, 0xc0, 0x30));
    EXPECT_EQ(window.SkinLabel1().palette().color(QPalette::WindowText), QColor(0xff, 0xff, 0));
    test::SaveArtifact(image, "qtui-window-skinned-offscreen.png");
}

TEST_F(SkinnedWindow, DefaultsPaintTheClientAreaWhite) {
    LoadAndApply("[Skin]\nName=Nur Vorgaben\n");
    const QImage image = test::Render(window);
    EXPECT_EQ(test::PixelAt(image, LeftMargin.x(), LeftMargin.y()), QColor(Qt::white));
    const QRect shuffle = window.cmdShuffel().geometry();
    EXPECT_EQ(test::PixelAt(image, shuffle.x() + 5, shuffle.center().y()), QColor(200, 208, 212));
}

TEST_F(SkinnedWindow, AForeignOrGarbageSkinLeavesTheWindowPlain) {
    const QImage plain = test::Render(window);
    test::SaveArtifact(plain, "qtui-window-plain-offscreen.png");
    LoadAndApply(std::string("\x00\x01\x02garbage\xff[[[=#ff0000\n", 24));
    EXPECT_EQ(test::Render(window), plain);
    EXPECT_TRUE(window.cmdShuffel().styleSheet().isEmpty());
}

TEST_F(SkinnedWindow, ClientAreaIsLeftAloneWhenTheSkinSaysSo) {
    const QColor plain = test::PixelAt(test::Render(window), LeftMargin.x(), LeftMargin.y());
    LoadAndApply("[Skin]\nSkinClientArea=no\n[Colors]\nClientArea=#ff0000\n");
    EXPECT_EQ(test::PixelAt(test::Render(window), LeftMargin.x(), LeftMargin.y()), plain);
}

TEST_F(SkinnedWindow, FrameAndBackgroundImageBesideTheSkinFile) {
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(QColor(0x99, 0x33, 0x66));
    ASSERT_TRUE(tile.save(QString::fromStdString((folder.Path() / "kachel.png").string())));
    LoadAndApply("[Colors]\nClientArea=#ffffff\nFrame=#00ff00\n[Frame]\nWidth=2\n"
                 "[Background]\nImage=kachel.png\n");
    const QImage image = test::Render(window);
    EXPECT_EQ(test::PixelAt(image, 0, 60), QColor(0, 255, 0));
    EXPECT_EQ(test::PixelAt(image, 1, 60), QColor(0, 255, 0));
    EXPECT_EQ(test::PixelAt(image, 413, 134), QColor(0, 255, 0));
    EXPECT_EQ(test::PixelAt(image, LeftMargin.x(), LeftMargin.y()), QColor(0x99, 0x33, 0x66));
}

TEST_F(SkinnedWindow, AMissingBackgroundImageLeavesTheClientAreaColour) {
    LoadAndApply("[Colors]\nClientArea=#123456\n[Background]\nImage=fehlt.png\n");
    EXPECT_EQ(test::PixelAt(test::Render(window), LeftMargin.x(), LeftMargin.y()),
              QColor(0x12, 0x34, 0x56));
}

TEST_F(SkinnedWindow, UnreadableSkinFileIsError75AndChangesNothing) {
    LoadAndApply(BlueSkin);
    try {
        skin.LoadSkin(folder.Path().string());
        FAIL() << "no error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), errnum::PathFileAccess);
    }
    EXPECT_EQ(skin.Settings().m_bstrName, "Blau");
}

TEST_F(SkinnedWindow, UnknownHandlesAreErrorsAndTheLabelRedrawsByItsHandle) {
    skin.LoadSkin(folder.Write("s.skn", BlueSkin));
    for (const WindowHandle unknown : {0, 0x7ffffff0}) {
        try {
            skin.ApplySkin(unknown);
            FAIL() << "no error for " << unknown;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), errnum::InvalidProcedureCall);
        }
        EXPECT_THROW(skin.RedrawSkinned(unknown), RuntimeError);
    }
    EXPECT_NO_THROW(skin.RedrawSkinned(view.LabelHandle()));
}

// Counts the paint events of one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

TEST_F(SkinnedWindow, ANewLineWithRedrawOffAndOnAndTheSkinsRedrawPaintsTheLabelOnce) {
    LoadAndApply(BlueSkin);
    test::ShowAndExpose(window);
    PaintCounter counter(window.SkinLabel1());
    view.SetRedraw(view.LabelHandle(), false);
    view.SetLabelText("Erste Zeile\nZur Zeit ist dies die Playliste [ Neu ] ");
    view.SetRedraw(view.LabelHandle(), true);
    skin.RedrawSkinned(view.LabelHandle());
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
}

TEST(ShippedSkin, IsOneOfOurs) {
    QtSkinControl skin;
    skin.LoadSkin(std::string(KARUSELLO_SKINS_DIR) + "/brisolan.skn");
    EXPECT_TRUE(skin.Settings().recognised);
    EXPECT_EQ(skin.Settings().m_bstrName, "Brisolan");
    EXPECT_TRUE(skin.Settings().m_bSkinClientArea);
}

} // namespace
} // namespace karusello

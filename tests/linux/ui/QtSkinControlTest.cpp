#include "linux/ui/QtSkinControl.h"

#include "QtTestSupport.h"
#include "core/errors/RuntimeError.h"
#include "linux/ui/QtFormView.h"
#include "linux/ui/RandomPLWindow.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace karusello {
namespace {

// Points that no control covers: the left margin and the gap above the label.
constexpr QPoint LeftMargin{4, 60};
constexpr QPoint TopMargin{200, 2};

const char* const BlueSkin = "[Skin]\nName=Blau\n"
                             "[Colors]\nClientArea=#2050a0\nText=#ffff00\nPanel=#30c030\n"
                             "[Buttons]\nStyle=flat\n";

class SkinnedWindow : public testing::Test {
protected:
    SkinnedWindow() : view(window) {
        view.SetButtonCaption(Button::Shuffel, "Shuffle");
        view.SetLabelText("Mit Karusello kann die jeweils angezeigte Playliste neu sortieren.\n"
                          "Zur Zeit ist dies die Playliste [ Sommerhits ] ");
    }

    QImage LoadApplyAndRender(const std::string& content) {
        skin.LoadSkin(folder.Write("brisolan.skn", content));
        skin.ApplySkin(view.Handle());
        return window.grab().toImage();
    }

    // A point inside the shuffle button, left of its centred caption.
    QPoint InShuffleButton() {
        const QRect button = window.cmdShuffel().geometry();
        return {button.x() + 5, button.center().y()};
    }

    test::TempFolder folder;
    RandomPLWindow window;
    QtFormView view;
    QtSkinControl skin;
};

TEST_F(SkinnedWindow, ClientAreaTextAndButtonsTakeTheSkinsColours) {
    const QImage image = LoadApplyAndRender(BlueSkin);
    EXPECT_EQ(image.pixelColor(LeftMargin), QColor(0x20, 0x50, 0xa0));
    EXPECT_EQ(image.pixelColor(TopMargin), QColor(0x20, 0x50, 0xa0));
    EXPECT_EQ(image.pixelColor(InShuffleButton()), QColor(0x30, 0xc0, 0x30));
    EXPECT_EQ(window.SkinLabel1().palette().color(QPalette::WindowText), QColor(0xff, 0xff, 0));
}

TEST_F(SkinnedWindow, TheStoredSettingsPaintTheClientAreaWhiteAndThePanelGrey) {
    const QImage image = LoadApplyAndRender("[Skin]\nName=Nur Vorgaben\n");
    EXPECT_EQ(image.pixelColor(LeftMargin), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(InShuffleButton()), QColor(200, 208, 212));
}

TEST_F(SkinnedWindow, ForeignOrGarbageSkinsAndAnUnskinnedClientAreaLeaveTheWindowPlain) {
    const QImage plain = window.grab().toImage();
    test::SaveArtifact(plain, "qtui-window-plain-offscreen.png");
    EXPECT_EQ(LoadApplyAndRender(std::string("\x00\x01garbage\xff[[[=#ff0000\n", 22)), plain);
    const QImage unskinned =
        LoadApplyAndRender("[Skin]\nSkinClientArea=no\n[Colors]\nClientArea=#ff0000\n");
    EXPECT_EQ(unskinned.pixelColor(LeftMargin), plain.pixelColor(LeftMargin));
}

TEST_F(SkinnedWindow, FrameAndBackgroundImageBesideTheSkinFile) {
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(QColor(0x99, 0x33, 0x66));
    ASSERT_TRUE(tile.save(QString::fromStdString((folder.Path() / "kachel.png").string())));
    const QImage image = LoadApplyAndRender("[Colors]\nFrame=#00ff00\n[Frame]\nWidth=2\n"
                                            "[Background]\nImage=kachel.png\n");
    EXPECT_EQ(image.pixelColor(1, 60), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(413, 134), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(LeftMargin), QColor(0x99, 0x33, 0x66));
    // An image that is not there leaves the client area's colour.
    EXPECT_EQ(LoadApplyAndRender("[Colors]\nClientArea=#123456\n[Background]\nImage=fehlt.png\n")
                  .pixelColor(LeftMargin),
              QColor(0x12, 0x34, 0x56));
}

TEST_F(SkinnedWindow, AnUnreadableSkinFileIsError75AndKeepsTheLoadedSkin) {
    LoadApplyAndRender(BlueSkin);
    try {
        skin.LoadSkin(folder.Path().string());
        ADD_FAILURE() << "no error for a folder";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), errnum::PathFileAccess);
    }
    EXPECT_EQ(skin.Settings().m_bstrName, "Blau");
}

TEST_F(SkinnedWindow, UnknownHandlesAreErrors) {
    skin.LoadSkin(folder.Write("s.skn", BlueSkin));
    for (const WindowHandle unknown : {0, 0x7ffffff0}) {
        try {
            skin.ApplySkin(unknown);
            ADD_FAILURE() << "no error for " << unknown;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), errnum::InvalidProcedureCall);
        }
        EXPECT_THROW(skin.RedrawSkinned(unknown), RuntimeError);
    }
}

TEST_F(SkinnedWindow, ANewLineWithRedrawSwitchedOffAndOnAndTheSkinsRedrawPaintsOnce) {
    LoadApplyAndRender(BlueSkin);
    test::ShowAndExpose(window);
    test::PaintCounter counter(window.SkinLabel1());
    view.SetRedraw(view.LabelHandle(), false);
    view.SetLabelText("Erste Zeile\nZur Zeit ist dies die Playliste [ Neu ] ");
    view.SetRedraw(view.LabelHandle(), true);
    skin.RedrawSkinned(view.LabelHandle());
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
}

TEST_F(SkinnedWindow, ShippedSkinIsOneOfOurs) {
    skin.LoadSkin(std::string(KARUSELLO_SKINS_DIR) + "/brisolan.skn");
    EXPECT_TRUE(skin.Settings().recognised);
    EXPECT_EQ(skin.Settings().m_bstrName, "Brisolan");
    skin.ApplySkin(view.Handle());
    test::SaveArtifact(window.grab().toImage(), "qtui-window-skinned-offscreen.png");
}

} // namespace
} // namespace karusello

// The skin as the Win32 window draws it, pixel by pixel where the Qt window's tests look too.
#include "windows/ui/Win32SkinControl.h"

#include "WinTestSupport.h"
#include "core/errors/RuntimeError.h"
#include "core/os/Utf8Path.h"
#include "tests/support/TempFolder.h"
#include "windows/user32/WindowHandles.h"
#include "windows/ui/GdiplusSession.h"
#include "windows/ui/RandomPLWindow.h"
#include "windows/ui/Win32FormView.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>

namespace karusello {
namespace {

// Points that no control covers: the left margin and the gap above the label.
constexpr POINT LeftMargin{4, 60};
constexpr POINT TopMargin{200, 2};

const char* const BlueSkin = "[Skin]\nName=Blau\n"
                             "[Colors]\nClientArea=#2050a0\nText=#ffff00\nPanel=#30c030\n"
                             "[Buttons]\nStyle=flat\n";

// An uncompressed 24-bit BMP of one colour per column.
void WriteBmp(const std::string& path, int height, const std::vector<COLORREF>& columns) {
    const int width = static_cast<int>(columns.size());
    const int row = (width * 3 + 3) / 4 * 4;
    const auto le = [](std::ofstream& out, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
    };
    std::ofstream out(Utf8Path(path), std::ios::binary);
    out << "BM";
    le(out, 54 + row * height, 4);
    le(out, 0, 4);
    le(out, 54, 4);
    le(out, 40, 4);
    le(out, width, 4);
    le(out, height, 4);
    le(out, 1, 2);
    le(out, 24, 2);
    le(out, 0, 4);
    le(out, row * height, 4);
    le(out, 2835, 4);
    le(out, 2835, 4);
    le(out, 0, 4);
    le(out, 0, 4);
    for (int y = 0; y < height; ++y) {
        for (const COLORREF colour : columns) {
            out.put(static_cast<char>(GetBValue(colour)));
            out.put(static_cast<char>(GetGValue(colour)));
            out.put(static_cast<char>(GetRValue(colour)));
        }
        for (int pad = width * 3; pad < row; ++pad) {
            out.put(0);
        }
    }
}

class SkinnedWindow : public testing::Test {
protected:
    SkinnedWindow() : window(Dpi{96, 96}), view(window) {
        view.SetCaption("Brisolan Karusello");
        view.SetButtonCaption(Button::Shuffel, "Shuffle");
        view.SetButtonCaption(Button::Abbruch, "Abbrechen");
        view.SetButtonCaption(Button::Weiderherstellen, "Wiederherstellen");
        view.SetLabelText("Mit Karusello kann die jeweils angezeigte Playliste neu sortieren.\n"
                          "Zur Zeit ist dies die Playliste [ Sommerhits ] ");
        SetWindowPos(window.Hwnd(), HWND_TOP, 600, 500, 0, 0, SWP_NOSIZE);
        window.Show();
    }

    test::Screenshot Render() {
        RedrawWindow(window.Hwnd(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        test::PumpMessages();
        return test::Screenshot(window.Hwnd());
    }

    test::Screenshot LoadApplyAndRender(const std::string& content) {
        skin.LoadSkin(folder.Write("brisolan.skn", content));
        skin.ApplySkin(view.Handle());
        return Render();
    }

    // A point inside the shuffle button, left of its centred caption.
    POINT InShuffleButton() {
        RECT button{};
        GetWindowRect(window.cmdShuffel().Hwnd(), &button);
        MapWindowPoints(nullptr, window.Hwnd(), reinterpret_cast<POINT*>(&button), 2);
        return {button.left + 5, (button.top + button.bottom) / 2};
    }

    // Whether the colour shows anywhere in the label's first line.
    static bool FirstLineShows(const test::Screenshot& image, COLORREF colour) {
        for (int y = 6; y < 20; ++y) {
            for (int x = 12; x < 300; ++x) {
                if (image.At(x, y) == colour) {
                    return true;
                }
            }
        }
        return false;
    }

    const GdiplusSession gdiplus;
    test::TempFolder folder;
    RandomPLWindow window;
    Win32FormView view;
    Win32SkinControl skin;
};

TEST_F(SkinnedWindow, ClientAreaTextAndButtonsTakeTheSkinsColours) {
    const test::Screenshot image = LoadApplyAndRender(BlueSkin);
    EXPECT_EQ(image.At(LeftMargin.x, LeftMargin.y), RGB(0x20, 0x50, 0xa0));
    EXPECT_EQ(image.At(TopMargin.x, TopMargin.y), RGB(0x20, 0x50, 0xa0));
    const POINT inButton = InShuffleButton();
    EXPECT_EQ(image.At(inButton.x, inButton.y), RGB(0x30, 0xc0, 0x30));
    // A flat button's edge is a darker panel colour.
    EXPECT_EQ(image.At(inButton.x - 5, inButton.y), ToColorRef(Darker({0x30, 0xc0, 0x30}, 140)));
    EXPECT_TRUE(FirstLineShows(image, RGB(0xff, 0xff, 0)));
}

TEST_F(SkinnedWindow, TheStoredSettingsPaintTheClientAreaWhiteAndThePanelGrey) {
    const test::Screenshot image = LoadApplyAndRender("[Skin]\nName=Nur Vorgaben\n");
    image.Save("winui-window-raised.png");
    EXPECT_EQ(image.At(LeftMargin.x, LeftMargin.y), RGB(255, 255, 255));
    const POINT inButton = InShuffleButton();
    EXPECT_EQ(image.At(inButton.x, inButton.y), RGB(200, 208, 212));
    EXPECT_TRUE(FirstLineShows(image, RGB(0, 0, 0)));
}

TEST_F(SkinnedWindow, ForeignOrGarbageSkinsAndAnUnskinnedClientAreaLeaveTheWindowPlain) {
    const test::Screenshot plain = Render();
    plain.Save("winui-window-plain.png");
    const test::Screenshot garbage =
        LoadApplyAndRender(std::string("\x00\x01garbage\xff[[[=#ff0000\n", 22));
    EXPECT_EQ(garbage.At(LeftMargin.x, LeftMargin.y), plain.At(LeftMargin.x, LeftMargin.y));
    const POINT inButton = InShuffleButton();
    EXPECT_EQ(garbage.At(inButton.x, inButton.y), plain.At(inButton.x, inButton.y));
    const test::Screenshot unskinned =
        LoadApplyAndRender("[Skin]\nSkinClientArea=no\n[Colors]\nClientArea=#ff0000\n");
    EXPECT_EQ(unskinned.At(LeftMargin.x, LeftMargin.y), plain.At(LeftMargin.x, LeftMargin.y));
}

// The tiles start at the client area's corner, also where the label lies over them.
TEST_F(SkinnedWindow, FrameAndTiledBackgroundImageBesideTheSkinFile) {
    WriteBmp(folder / "kachel.bmp", 8,
             {RGB(0x99, 0x33, 0x66), RGB(0x99, 0x33, 0x66), RGB(0x10, 0x20, 0x30),
              RGB(0x10, 0x20, 0x30)});
    const test::Screenshot image = LoadApplyAndRender(
        "[Colors]\nFrame=#00ff00\n[Frame]\nWidth=2\n[Background]\nImage=kachel.bmp\n");
    EXPECT_EQ(image.At(1, 60), RGB(0, 255, 0));
    EXPECT_EQ(image.At(412, 60), RGB(0, 255, 0));
    EXPECT_EQ(image.At(200, 134), RGB(0, 255, 0));
    EXPECT_EQ(image.At(4, 60), RGB(0x99, 0x33, 0x66));
    EXPECT_EQ(image.At(6, 60), RGB(0x10, 0x20, 0x30));
    // Under the label, which starts at x = 10: tiles counted from the label would swap these.
    EXPECT_EQ(image.At(12, 90), RGB(0x99, 0x33, 0x66));
    EXPECT_EQ(image.At(14, 90), RGB(0x10, 0x20, 0x30));
}

TEST_F(SkinnedWindow, AStretchedImageCoversTheWholeClientArea) {
    WriteBmp(folder / "verlauf.bmp", 2, {RGB(255, 0, 0), RGB(0, 0, 255)});
    const test::Screenshot image =
        LoadApplyAndRender("[Background]\nImage=verlauf.bmp\nMode=stretch\n");
    // Smoothed like the Qt window's: near the edges the colours are almost pure.
    const auto redOnly = [](COLORREF c) {
        return GetRValue(c) > 240 && GetBValue(c) < 15;
    };
    const auto blueOnly = [](COLORREF c) {
        return GetBValue(c) > 240 && GetRValue(c) < 15;
    };
    EXPECT_TRUE(redOnly(image.At(2, 60)));
    EXPECT_TRUE(redOnly(image.At(2, 133)));
    EXPECT_TRUE(blueOnly(image.At(411, 60)));
    EXPECT_TRUE(blueOnly(image.At(411, 1)));
}

TEST_F(SkinnedWindow, ButtonsLightenUnderThePointerAndDarkenWhilePressed) {
    const test::Screenshot normal = LoadApplyAndRender(BlueSkin);
    const POINT inButton = InShuffleButton();
    const HWND button = window.cmdShuffel().Hwnd();
    SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    const SkinColor panel{0x30, 0xc0, 0x30};
    EXPECT_EQ(Render().At(inButton.x, inButton.y), ToColorRef(Lighter(panel, 108)));
    SendMessageW(button, WM_MOUSELEAVE, 0, 0);
    SendMessageW(button, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(Render().At(inButton.x, inButton.y), ToColorRef(Darker(panel, 112)));
    SendMessageW(button, BM_SETSTATE, FALSE, 0);
    EXPECT_EQ(Render().At(inButton.x, inButton.y), normal.At(inButton.x, inButton.y));
}

// The demo host's skin: the picture beside the Qt window's in the documentation.
TEST_F(SkinnedWindow, ShippedSkinWithItsFrameAndFlatRoundedButtons) {
    skin.LoadSkin(std::string(KARUSELLO_SKINS_DIR) + "/brisolan.skn");
    skin.ApplySkin(view.Handle());
    view.SetButtonEnabled(Button::Weiderherstellen, false);
    const test::Screenshot image = Render();
    image.Save("winui-window-brisolan.png");
    EXPECT_EQ(image.At(0, 60), RGB(0x1d, 0x35, 0x57));
    EXPECT_EQ(image.At(LeftMargin.x, LeftMargin.y), RGB(0xe9, 0xef, 0xf5));
    const POINT inButton = InShuffleButton();
    EXPECT_EQ(image.At(inButton.x, inButton.y), RGB(0x45, 0x7b, 0x9d));
    EXPECT_EQ(image.At(inButton.x - 5, inButton.y), RGB(0x1d, 0x35, 0x57));
    EXPECT_TRUE(FirstLineShows(image, RGB(0x1d, 0x35, 0x57)));
}

TEST_F(SkinnedWindow, UnreadableSkinsAndStrangeHandlesAreErrors) {
    const auto errorOf = [](const auto& action) {
        try {
            action();
        } catch (const RuntimeError& error) {
            return error.Number();
        }
        return 0;
    };
    EXPECT_EQ(errorOf([&] { skin.LoadSkin(folder / "fehlt.skn"); }), errnum::FileNotFound);
    EXPECT_EQ(errorOf([&] { skin.ApplySkin(0); }), errnum::InvalidProcedureCall);
    EXPECT_EQ(errorOf([&] { skin.RedrawSkinned(0x7ffffff0); }), errnum::InvalidProcedureCall);
    EXPECT_EQ(errorOf([&] { skin.RedrawSkinned(view.LabelHandle()); }), 0);
}

} // namespace
} // namespace karusello

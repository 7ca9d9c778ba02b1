#include "core/skin/ButtonLook.h"

#include "core/skin/SkinFile.h"

#include <gtest/gtest.h>

namespace karusello {
namespace {

TEST(ButtonLook, EdgeAndStateColoursFollowTheStyle) {
    const ButtonLook raised = ButtonLookOf(ParseSkin("[Colors]\nPanel=#457b9d\n", "."));
    EXPECT_TRUE(raised.raised);
    EXPECT_EQ(raised.borderWidth, 2);
    EXPECT_EQ(raised.border, raised.face);

    const ButtonLook flat = ButtonLookOf(
        ParseSkin("[Colors]\nPanel=#457b9d\nPanelText=#ffffff\n[Buttons]\nStyle=flat\n", "."));
    EXPECT_FALSE(flat.raised);
    EXPECT_EQ(flat.borderWidth, 1);
    EXPECT_EQ(flat.border, Darker(flat.face, 140));
    EXPECT_EQ(flat.disabledText, (SkinColor{0xa2, 0xbd, 0xce}));

    const ButtonLook bordered =
        ButtonLookOf(ParseSkin("[Buttons]\nStyle=flat\nBorder=#1d3557\nRadius=4\n", "."));
    EXPECT_EQ(bordered.border, (SkinColor{0x1d, 0x35, 0x57}));
    EXPECT_EQ(bordered.radius, 4);
}

TEST(ButtonLook, LighterAndDarkerKeepTheHueAndStayInRange) {
    const SkinColor panel{0x45, 0x7b, 0x9d};
    EXPECT_EQ(Lighter(panel, 108), (SkinColor{0x4b, 0x85, 0xaa}));
    EXPECT_EQ(Darker(panel, 112), (SkinColor{0x3e, 0x6e, 0x8c}));
    // White cannot get lighter; a saturated colour loses saturation instead.
    EXPECT_EQ(Lighter(SkinColor{255, 255, 255}, 140), (SkinColor{255, 255, 255}));
    EXPECT_EQ(Lighter(SkinColor{0xff, 0x55, 0x33}, 140), (SkinColor{0xff, 0xaa, 0x99}));
    EXPECT_EQ(Darker(SkinColor{0, 0, 0}, 140), (SkinColor{0, 0, 0}));
}

} // namespace
} // namespace karusello

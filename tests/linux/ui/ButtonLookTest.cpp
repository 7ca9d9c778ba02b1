// The Win32 window draws its buttons from ButtonLook; these colours must be the ones that the
// Qt window's style sheet gets from QColor, or one skin would look different on the two builds.
#include "core/skin/ButtonLook.h"

#include <gtest/gtest.h>

#include <QColor>

namespace karusello {
namespace {

// Compared as 8-bit channels, as a style sheet and the screen take them.
QRgb Rgb(const SkinColor& color) {
    return qRgb(color.r, color.g, color.b);
}

TEST(ButtonLook, LighterAndDarkerGiveQtsColoursForEveryKindOfColour) {
    int compared = 0;
    for (int r = 0; r < 256; r += 15) {
        for (int g = 0; g < 256; g += 17) {
            for (int b = 0; b < 256; b += 51) {
                const SkinColor color{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                                      static_cast<std::uint8_t>(b)};
                const QColor qt(r, g, b);
                for (const int factor : {108, 112, 140}) {
                    ASSERT_EQ(Rgb(Lighter(color, factor)), qt.lighter(factor).rgb())
                        << qt.name().toStdString() << " lighter " << factor;
                    ASSERT_EQ(Rgb(Darker(color, factor)), qt.darker(factor).rgb())
                        << qt.name().toStdString() << " darker " << factor;
                }
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 1000);
}

} // namespace
} // namespace karusello

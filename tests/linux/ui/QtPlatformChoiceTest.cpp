#include "linux/ui/QtPlatformChoice.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace karusello {
namespace {

void SetOrClear(const char* name, const char* value) {
    if (value == nullptr) {
        unsetenv(name);
    } else {
        setenv(name, value, 1);
    }
}

std::string ChosenWith(const char* platform, const char* display) {
    SetOrClear("QT_QPA_PLATFORM", platform);
    SetOrClear("DISPLAY", display);
    ChooseQtPlatform();
    return std::getenv("QT_QPA_PLATFORM");
}

TEST(QtPlatformChoice, XcbOnADisplayOffscreenWithoutAndAnExplicitChoiceStays) {
    const std::string platform = std::getenv("QT_QPA_PLATFORM");
    const char* display = std::getenv("DISPLAY");
    const std::string savedDisplay = display != nullptr ? display : "";

    EXPECT_EQ(ChosenWith(nullptr, ":7"), "xcb");
    EXPECT_EQ(ChosenWith(nullptr, nullptr), "offscreen");
    EXPECT_EQ(ChosenWith(nullptr, ""), "offscreen");
    EXPECT_EQ(ChosenWith("", ":7"), "xcb");
    EXPECT_EQ(ChosenWith("minimal", ":7"), "minimal");

    SetOrClear("QT_QPA_PLATFORM", platform.c_str());
    SetOrClear("DISPLAY", display != nullptr ? savedDisplay.c_str() : nullptr);
}

} // namespace
} // namespace karusello

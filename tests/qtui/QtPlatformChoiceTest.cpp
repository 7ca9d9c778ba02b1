#include "qtui/QtPlatformChoice.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace karusello {
namespace {

// Sets or clears an environment variable and puts the old value back afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        Set(value);
    }
    ~ScopedEnv() { Set(old_ ? old_->c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void Set(const char* value) {
        if (value == nullptr) {
            unsetenv(name_);
        } else {
            setenv(name_, value, 1);
        }
    }
    const char* name_;
    std::optional<std::string> old_;
};

std::string ChosenWith(const char* platform, const char* display) {
    ScopedEnv platformVar("QT_QPA_PLATFORM", platform);
    ScopedEnv displayVar("DISPLAY", display);
    ChooseQtPlatform();
    return std::getenv("QT_QPA_PLATFORM");
}

TEST(QtPlatformChoice, XcbOnADisplayOffscreenWithoutAndAnExplicitChoiceStays) {
    EXPECT_EQ(ChosenWith(nullptr, ":7"), "xcb");
    EXPECT_EQ(ChosenWith(nullptr, nullptr), "offscreen");
    EXPECT_EQ(ChosenWith(nullptr, ""), "offscreen");
    EXPECT_EQ(ChosenWith("", ":7"), "xcb");
    EXPECT_EQ(ChosenWith("minimal", ":7"), "minimal");
    EXPECT_EQ(ChosenWith("xcb", nullptr), "xcb");
}

} // namespace
} // namespace karusello

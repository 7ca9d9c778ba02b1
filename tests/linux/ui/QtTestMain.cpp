// The test programs of the Qt adapter run with a QApplication on the platform the program was
// built for: offscreen for the widget tests, xcb for the on-screen tests. Without an X display
// the xcb program runs without an application and its tests skip themselves.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>
#include <memory>

namespace {

bool PlatformAvailable() {
    const std::string platform = KARUSELLO_QT_TEST_PLATFORM;
    return platform != "xcb" || std::getenv("DISPLAY") != nullptr;
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // A test run never waits for a click on an error dialog.
    setenv("KARUSELLO_NO_ERROR_DIALOG", "1", 1);
    std::unique_ptr<QApplication> app;
    if (!GTEST_FLAG_GET(list_tests) && PlatformAvailable()) {
        setenv("QT_QPA_PLATFORM", KARUSELLO_QT_TEST_PLATFORM, 1);
        app = std::make_unique<QApplication>(argc, argv);
    }
    return RUN_ALL_TESTS();
}

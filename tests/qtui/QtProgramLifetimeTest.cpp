#include "qtui/QtProgramLifetime.h"
#include "qtui/QtEventPump.h"
#include "qtui/RandomPLWindow.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <cstdlib>

namespace karusello {
namespace {

TEST(QtProgramLifetime, ErrorReportIsOneLineOnStandardErrorAndStopsTheTimers) {
    RandomPLWindow window;
    window.StartTimers();
    QtProgramLifetime lifetime(window);

    testing::internal::CaptureStderr();
    lifetime.ReportError(RuntimeError(errnum::Overflow));
    const std::string written = testing::internal::GetCapturedStderr();

    EXPECT_EQ(written, "Karusello: Laufzeitfehler 6: Überlauf\n");
    EXPECT_FALSE(window.TimersActive());
}

TEST(QtProgramLifetime, NoErrorDialogWithoutAnXDisplayOrWhenSwitchedOff) {
    // The offscreen platform never gets a dialog, even when the switch is not set.
    const std::string saved = std::getenv("KARUSELLO_NO_ERROR_DIALOG");
    unsetenv("KARUSELLO_NO_ERROR_DIALOG");
    EXPECT_FALSE(ErrorDialogWanted());
    setenv("KARUSELLO_NO_ERROR_DIALOG", saved.c_str(), 1);
    EXPECT_FALSE(ErrorDialogWanted());
}

TEST(QtProgramLifetimeDeathTest, EndProgramStopsTheProcessWithTheExitCode) {
    RandomPLWindow window;
    QtProgramLifetime lifetime(window);
    EXPECT_EXIT(lifetime.EndProgram(ExitCode::NoHostWindow), testing::ExitedWithCode(4), "");
    EXPECT_EXIT(lifetime.EndProgram(ExitCode::Normal), testing::ExitedWithCode(0), "");
}

TEST(QtProgramLifetimeDeathTest, EndProgramFromInsideANestedEventPassStopsAtOnce) {
    RandomPLWindow window;
    QtProgramLifetime lifetime(window);
    EXPECT_EXIT(
        {
            window.show();
            QTimer::singleShot(0, [&] { lifetime.EndProgram(ExitCode::PlaylistCheck); });
            QtEventPump().DoEvents();
            std::exit(99);
        },
        testing::ExitedWithCode(6), "");
}

TEST(QtEventPump, OnePassDeliversPostedEventsAndTimersThatFellDue) {
    QtEventPump pump;
    bool posted = false;
    QTimer::singleShot(0, [&] { posted = true; });
    QTimer due;
    due.setSingleShot(true);
    due.setInterval(1);
    bool ticked = false;
    QObject::connect(&due, &QTimer::timeout, [&] { ticked = true; });
    due.start();
    QThread::msleep(30);

    pump.DoEvents();
    EXPECT_TRUE(posted);
    EXPECT_TRUE(ticked);
}

} // namespace
} // namespace karusello

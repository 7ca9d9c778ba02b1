#include "linux/ui/QtProgramLifetime.h"
#include "linux/ui/QtEventPump.h"
#include "linux/ui/RandomPLWindow.h"

#include <gtest/gtest.h>

#include <QThread>
#include <QTimer>

#include <cstdlib>

namespace karusello {
namespace {

TEST(QtProgramLifetime, ErrorReportIsALineOnStandardErrorAndStopsTheTimers) {
    RandomPLWindow window;
    window.StartTimers();
    QtProgramLifetime lifetime(window);
    // The offscreen platform never gets a dialog, even when the switch is not set.
    const std::string noDialog = std::getenv("KARUSELLO_NO_ERROR_DIALOG");
    unsetenv("KARUSELLO_NO_ERROR_DIALOG");
    EXPECT_FALSE(ErrorDialogWanted());

    testing::internal::CaptureStderr();
    lifetime.ReportError(RuntimeError(errnum::Overflow));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Karusello: Laufzeitfehler 6: Überlauf\n");
    EXPECT_FALSE(window.TimersActive());
    setenv("KARUSELLO_NO_ERROR_DIALOG", noDialog.c_str(), 1);
}

TEST(QtProgramLifetimeDeathTest, EndProgramStopsTheProcessAtOnceWithTheExitCode) {
    RandomPLWindow window;
    QtProgramLifetime lifetime(window);
    EXPECT_EXIT(lifetime.EndProgram(ExitCode::NoHostWindow), testing::ExitedWithCode(4), "");
    // Also from inside an event pass that the workflow runs in the middle of a click.
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
    bool posted = false;
    bool ticked = false;
    QTimer::singleShot(0, [&] { posted = true; });
    QTimer due;
    due.setSingleShot(true);
    QObject::connect(&due, &QTimer::timeout, [&] { ticked = true; });
    due.start(1);
    QThread::msleep(30);

    QtEventPump().DoEvents();
    EXPECT_TRUE(posted);
    EXPECT_TRUE(ticked);
}

} // namespace
} // namespace karusello

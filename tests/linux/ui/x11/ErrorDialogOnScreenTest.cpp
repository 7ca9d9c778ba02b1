// The error report's dialog on a real X display. A second start activates the window of the
// first by its title (the first window titled so, else the first whose title begins so), so
// while the dialog is open it must not be the one that carries the window's title.
#include "QtTestSupport.h"
#include "core/errors/RuntimeError.h"
#include "linux/ui/QtFormView.h"
#include "linux/ui/QtProgramLifetime.h"
#include "linux/ui/RandomPLWindow.h"
#include "linux/x11/TopLevelWindows.h"
#include "linux/x11/WindowManager.h"
#include "linux/x11/XcbConnection.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace karusello {
namespace {

TEST(ErrorDialogOnScreen, ASecondStartFindsTheWindowNotTheDialog) {
    if (qApp == nullptr) {
        GTEST_SKIP() << "no X display";
    }
    RandomPLWindow window;
    QtFormView view(window);
    window.move(700, 300);
    view.SetCaption("Brisolan Karusello");
    test::ShowAndExpose(window);
    QtProgramLifetime lifetime(window);
    const std::string noDialog = std::getenv("KARUSELLO_NO_ERROR_DIALOG");
    unsetenv("KARUSELLO_NO_ERROR_DIALOG");
    ASSERT_TRUE(ErrorDialogWanted());

    // Once the dialog is on the X server: its title, and every window there whose title a
    // second start would take for the window's.
    XcbConnection connection;
    std::string dialogTitle;
    bool dialogOnServer = false;
    std::vector<xcb_window_t> takenForTheWindow;
    QTimer whileOpen;
    whileOpen.setSingleShot(true);
    QObject::connect(&whileOpen, &QTimer::timeout, [&] {
        QDialog* dialog = nullptr;
        std::vector<TitledWindow> windows;
        test::WaitFor([&] {
            dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            windows = ListTitledWindows(connection, WindowManagerRuns(connection));
            dialogOnServer = dialog != nullptr &&
                             std::any_of(windows.begin(), windows.end(), [&](const auto& w) {
                                 return w.window == dialog->winId();
                             });
            return dialogOnServer;
        });
        for (const TitledWindow& w : windows) {
            if (w.title.starts_with("Brisolan Karusello")) {
                takenForTheWindow.push_back(w.window);
            }
        }
        if (dialog != nullptr) {
            dialogTitle = dialog->windowTitle().toStdString();
            dialog->done(QDialog::Rejected);
        }
    });
    whileOpen.start(0);

    testing::internal::CaptureStderr();
    lifetime.ReportError(RuntimeError(errnum::Overflow)); // returns when the dialog is closed
    testing::internal::GetCapturedStderr();
    setenv("KARUSELLO_NO_ERROR_DIALOG", noDialog.c_str(), 1);

    EXPECT_TRUE(dialogOnServer);
    EXPECT_EQ(dialogTitle, "Karusello");
    EXPECT_EQ(takenForTheWindow,
              std::vector<xcb_window_t>{static_cast<xcb_window_t>(window.winId())});
}

} // namespace
} // namespace karusello

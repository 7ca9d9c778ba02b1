#include "qtui/QtProgramLifetime.h"

#include "qtui/RandomPLWindow.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace karusello {

namespace {
// Not the window's title "Brisolan Karusello": a second start activates the window that carries
// it, and must find the window, not this dialog.
constexpr const char* DialogTitle = "Karusello";
} // namespace

std::string ErrorReportLine(const RuntimeError& error) {
    return "Karusello: Laufzeitfehler " + std::to_string(error.Number()) + ": " + error.Text();
}

bool ErrorDialogWanted() {
    return QGuiApplication::platformName() == QStringLiteral("xcb") &&
           std::getenv("KARUSELLO_NO_ERROR_DIALOG") == nullptr;
}

void QtProgramLifetime::ReportError(const RuntimeError& error) {
    window_.StopTimers();
    std::cerr << ErrorReportLine(error) << std::endl;
    if (!ErrorDialogWanted()) {
        return;
    }
    const QString text = QStringLiteral("Laufzeitfehler '%1':\n\n%2")
                             .arg(error.Number())
                             .arg(QString::fromStdString(error.Text()));
    QWidget* parent = window_.isVisible() ? &window_ : nullptr;
    QMessageBox::critical(parent, QString::fromLatin1(DialogTitle), text);
}

void QtProgramLifetime::EndProgram(ExitCode code) {
    window_.StopTimers();
    window_.hide();
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(static_cast<int>(code));
}

} // namespace karusello

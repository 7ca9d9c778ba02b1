#include "linux/ui/QtProgramLifetime.h"

#include "linux/ui/RandomPLWindow.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace karusello {

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
    const QString text = QString::fromStdString(ErrorDialogText(error));
    QWidget* parent = window_.isVisible() ? &window_ : nullptr;
    QMessageBox::critical(parent, QString::fromLatin1(ErrorDialogTitle), text);
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

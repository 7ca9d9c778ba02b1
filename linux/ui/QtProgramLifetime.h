#pragma once

#include "core/app/interfaces/ProgramLifetime.h"

#include <string>

namespace karusello {

class RandomPLWindow;

// The error report and the end of the program for the Qt window.
class QtProgramLifetime : public ProgramLifetime {
public:
    explicit QtProgramLifetime(RandomPLWindow& window) : window_(window) {}

    // One line on standard error, and a modal dialog titled "Karusello" where a person can see
    // it. The timers stop first, so that no tick runs the workflow while the dialog is open.
    void ReportError(const RuntimeError& error) override;
    // Hides the window and ends the process at once, also from inside a nested event pass.
    [[noreturn]] void EndProgram(ExitCode code) override;

private:
    RandomPLWindow& window_;
};

// True when the error report may open a dialog: the window is on an X display (the xcb
// platform) and KARUSELLO_NO_ERROR_DIALOG is not set. A run without a display or a test run
// never waits for a click.
bool ErrorDialogWanted();

} // namespace karusello

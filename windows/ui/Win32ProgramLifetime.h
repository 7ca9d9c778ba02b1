#pragma once

#include "core/app/interfaces/ProgramLifetime.h"

#include <windows.h>

namespace karusello {

class RandomPLWindow;

// The error report and the end of the program for the Win32 window.
class Win32ProgramLifetime : public ProgramLifetime {
public:
    explicit Win32ProgramLifetime(RandomPLWindow& window) : window_(window) {}

    // One line on standard error (where the program has one) and a message box, unless
    // KARUSELLO_NO_ERROR_DIALOG is set. The timers stop first, so that no tick runs the
    // workflow while the box is open.
    void ReportError(const RuntimeError& error) override;
    // Hides the window and ends the process at once, also from inside an event pass.
    [[noreturn]] void EndProgram(ExitCode code) override;

private:
    RandomPLWindow& window_;
};

// Shows the error report's message box, owned by the window when it is visible; returns when a
// person has closed it.
void ShowErrorReport(HWND owner, const RuntimeError& error);

} // namespace karusello

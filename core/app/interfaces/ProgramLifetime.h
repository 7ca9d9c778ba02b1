#pragma once

#include "core/app/interfaces/ExitCode.h"
#include "core/errors/RuntimeError.h"

#include <string>

namespace karusello {

// How the program ends and reports errors; the toolkit adapter decides what a person sees.
class ProgramLifetime {
public:
    virtual ~ProgramLifetime() = default;
    // The standard error report: number and text, on standard error and, where a person can
    // see it, in a dialog.
    virtual void ReportError(const RuntimeError& error) = 0;
    // Closes the window and ends the process at once with this code; does not return in the
    // real program.
    virtual void EndProgram(ExitCode code) = 0;
};

// The standard error report's line on standard error (without the line feed), the same on
// every platform.
inline std::string ErrorReportLine(const RuntimeError& error) {
    return "Karusello: Laufzeitfehler " + std::to_string(error.Number()) + ": " + error.Text();
}

// The title of the standard error report's dialog. It is not the window's caption "Brisolan
// Karusello": a second start activates the window that carries that caption, and must find the
// window, never the dialog.
inline constexpr const char* ErrorDialogTitle = "Karusello";

// The text of the standard error report's dialog.
inline std::string ErrorDialogText(const RuntimeError& error) {
    return "Laufzeitfehler '" + std::to_string(error.Number()) + "':\n\n" + error.Text();
}

} // namespace karusello

#pragma once

#include "windows/system/UniqueHandle.h"

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace karusello::e2e {

// A program started by the test in a folder, with the null device as its standard input and
// its error output appended to a file. Its standard output is a pipe that the test reads, or the
// null device, as for a person who starts it from the desktop. KARUSELLO_NO_ERROR_DIALOG is set
// in its environment unless dialogs are wanted. Ended when the object goes.
class ProgramRun {
public:
    enum class Output { Pipe, NullDevice };
    enum class Dialogs { Suppressed, Wanted };

    ProgramRun(const std::filesystem::path& program, const std::wstring& arguments,
               const std::filesystem::path& folder, Output output, Dialogs dialogs,
               const std::filesystem::path& errors);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    DWORD Id() const { return id_; }
    // The exit code once the program ended within the time; what it wrote is read meanwhile.
    std::optional<DWORD> Wait(std::chrono::milliseconds timeout);
    // What it wrote on a pipe so far.
    const std::string& Printed() const { return output_; }

private:
    void ReadAvailable();

    win32::UniqueHandle process_;
    win32::UniqueHandle pipe_;
    DWORD id_ = 0;
    std::string output_;
};

// The text of a message box (its static control).
std::wstring MessageBoxText(HWND box);

} // namespace karusello::e2e

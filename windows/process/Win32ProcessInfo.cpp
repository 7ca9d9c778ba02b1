#include "windows/process/Win32ProcessInfo.h"

#include "core/config/ProgramLocation.h"
#include "core/os/ExecutablePath.h"
#include "windows/process/CommandLineArguments.h"
#include "windows/system/Utf16.h"

#include <windows.h>

namespace karusello {

namespace {

// File names ignore case on Windows: "Karusello.exe" started as "KARUSELLO" is the same program.
std::string LowerCase(const std::string& text) {
    std::wstring wide = win32::WideFromUtf8(text);
    ::CharLowerBuffW(wide.data(), static_cast<DWORD>(wide.size()));
    return win32::Utf8FromWide(wide);
}

// The process's own path, as the host may have written it on the command line; none when the
// system cannot tell it (the command line is then read by the system's rule alone).
std::vector<std::wstring> OwnPaths() {
    const std::optional<std::string> path = os::ExecutablePath();
    return path ? OwnPathForms(win32::WideFromUtf8(*path)) : std::vector<std::wstring>();
}

} // namespace

Win32ProcessInfo::Win32ProcessInfo()
    : commandLine_(win32::Utf8FromWide(ArgumentsOf(::GetCommandLineW(), OwnPaths()))) {}

Win32ProcessInfo::Win32ProcessInfo(std::string commandLine)
    : commandLine_(std::move(commandLine)) {}

std::string Win32ProcessInfo::ExeName() {
    return ProgramLocation::ExeName();
}

std::string Win32ProcessInfo::CommandLine() {
    return commandLine_;
}

bool Win32ProcessInfo::PrevInstance() {
    if (!mutex_) {
        mutex_ = std::make_unique<NamedMutex>("Karusello." + LowerCase(ExeName()));
    }
    return mutex_->AnotherInstanceRuns();
}

} // namespace karusello

#include "windows/ui/Win32ProgramLifetime.h"

#include "windows/system/Utf16.h"
#include "windows/ui/RandomPLWindow.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace karusello {

void ShowErrorReport(HWND owner, const RuntimeError& error) {
    MessageBoxW(owner, win32::WideFromUtf8(ErrorDialogText(error)).c_str(),
                win32::WideFromUtf8(ErrorDialogTitle).c_str(),
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

void Win32ProgramLifetime::ReportError(const RuntimeError& error) {
    window_.StopTimers();
    std::cerr << ErrorReportLine(error) << std::endl;
    if (std::getenv("KARUSELLO_NO_ERROR_DIALOG") != nullptr) {
        return;
    }
    const HWND owner = IsWindowVisible(window_.Hwnd()) != FALSE ? window_.Hwnd() : nullptr;
    ShowErrorReport(owner, error);
}

void Win32ProgramLifetime::EndProgram(ExitCode code) {
    window_.StopTimers();
    ShowWindow(window_.Hwnd(), SW_HIDE);
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    ExitProcess(static_cast<UINT>(code));
}

} // namespace karusello

// Karusello for Windows: composes the Win32 window, the GDI+ skin, the window system and host
// messages of user32, the process and the ODBC database driver into the workflow of frmRandomPL
// and runs it. The workflow ends the process itself (ProgramLifetime); the event loop only ever
// returns if something posts WM_QUIT. Started with --check or --version it runs the self-check
// or tells its version instead, without a window.
#include "core/app/frmRandomPL.h"
#include "core/check/StartOptions.h"
#include "core/playlistdb/DBEngine.h"
#include "windows/check/ReportDelivery.h"
#include "windows/check/Win32CheckPlatform.h"
#include "windows/odbc/OdbcDriver.h"
#include "windows/process/Win32ProcessInfo.h"
#include "windows/ui/GdiplusSession.h"
#include "windows/ui/RandomPLWindow.h"
#include "windows/ui/Win32EventPump.h"
#include "windows/ui/Win32FormView.h"
#include "windows/ui/Win32ProgramLifetime.h"
#include "windows/ui/Win32SkinControl.h"
#include "windows/user32/Win32MessageControl.h"
#include "windows/user32/Win32WindowSystem.h"

#include <windows.h>

#include <exception>
#include <iostream>
#include <memory>
#include <optional>

namespace {

using namespace karusello;

// The self-check needs neither the window nor the single-instance mutex.
check::CheckParts MakeCheckParts() {
    return {std::make_unique<check::Win32CheckPlatform>(), std::make_unique<Win32WindowSystem>()};
}

const check::OptionOutput kOptionOutput{check::DeliverVersion, check::DeliverReport};

// The application manifest declares the program DPI-aware: the form's twips become pixels at
// the screen's real DPI, and Windows does not stretch the window.
int Run() {
    dao::SharedDBEngine().SetDriver(std::make_shared<dao::OdbcDriver>());
    Win32ProcessInfo process;
    if (const std::optional<ExitCode> code = check::RunStartOption(
            process.CommandLine(), KARUSELLO_VERSION, MakeCheckParts, kOptionOutput)) {
        return static_cast<int>(*code);
    }
    const GdiplusSession gdiplus;

    Win32WindowSystem windows;
    Win32MessageControl message;
    RandomPLWindow window;
    Win32FormView view(window);
    Win32SkinControl skin;
    Win32EventPump events(window.Hwnd());
    Win32ProgramLifetime lifetime(window);
    frmRandomPL form(FormServices{view, skin, windows, process, events, message, lifetime});

    window.SetEventHandler([&form](FormEvent event) { form.Fire(event); });
    window.SetCloseHandler([&form] { form.Fire(FormEvent::QueryUnload); });

    // An end during the load event stops the process inside it; the window is never shown.
    form.Fire(FormEvent::Load);
    window.Show();
    window.StartTimers();
    return RunEventLoop(window.Hwnd());
}

} // namespace

// A program of the GUI subsystem: no console opens. Its standard error is still the one it was
// given (a file, a pipe, the terminal under Wine), so the error line reaches it when there is one.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        return Run();
    } catch (const std::exception& error) {
        std::cerr << "Karusello: " << error.what() << std::endl;
        return static_cast<int>(karusello::ExitCode::ErrorReport);
    }
}

// Karusello: composes the Qt window, the skin, the X11 display and the process into the
// workflow of frmRandomPL and runs it. The workflow ends the process itself (ProgramLifetime);
// the event loop only ever returns if Qt is told to quit from outside. Started with --check or
// --version it runs the self-check or tells its version instead, without a window.
#include "core/app/frmRandomPL.h"
#include "core/check/StartOptions.h"
#include "core/playlistdb/DBEngine.h"
#include "linux/check/PosixCheckPlatform.h"
#include "linux/process/PosixProcessInfo.h"
#include "linux/sqlite/SqliteDriver.h"
#include "linux/ui/QtEventPump.h"
#include "linux/ui/QtFormView.h"
#include "linux/ui/QtPlatformChoice.h"
#include "linux/ui/QtProgramLifetime.h"
#include "linux/ui/QtSkinControl.h"
#include "linux/ui/RandomPLWindow.h"
#include "linux/x11/X11MessageControl.h"
#include "linux/x11/X11WindowSystem.h"
#include "linux/x11/XcbConnection.h"

#include <QApplication>

#include <exception>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace {

using namespace karusello;

// The self-check needs the X display only to look at the host windows, and neither Qt nor the
// single-instance lock.
check::CheckParts MakeCheckParts() {
    return {std::make_unique<check::PosixCheckPlatform>(),
            std::make_unique<X11WindowSystem>(std::make_shared<XcbConnection>())};
}

// The version line and the check's report go to standard output.
const check::OptionOutput kOptionOutput{
    [](const std::string& line) { std::cout << line << std::endl; },
    [](const std::string& report, bool) {
        std::cout << report << std::flush;
    }};

int Run(int argc, char** argv) {
    dao::SharedDBEngine().SetDriver(std::make_shared<dao::SqliteDriver>());
    // The arguments belong to the workflow: they are read here, and Qt sees none of them.
    PosixProcessInfo process(argc, argv);
    if (const std::optional<ExitCode> code = check::RunStartOption(
            process.CommandLine(), KARUSELLO_VERSION, MakeCheckParts, kOptionOutput)) {
        return static_cast<int>(*code);
    }
    ChooseQtPlatform();
    static char fallbackName[] = "karusello";
    char* qtArgv[] = {argc > 0 && argv[0] != nullptr ? argv[0] : fallbackName, nullptr};
    int qtArgc = 1;
    QApplication app(qtArgc, qtArgv);

    const auto display = std::make_shared<XcbConnection>();
    X11WindowSystem windows(display);
    X11MessageControl message(display);
    RandomPLWindow window;
    QtFormView view(window);
    QtSkinControl skin;
    QtEventPump events;
    QtProgramLifetime lifetime(window);
    frmRandomPL form(FormServices{view, skin, windows, process, events, message, lifetime});

    window.SetEventHandler([&form](FormEvent event) { form.Fire(event); });
    window.SetCloseHandler([&form] { form.Fire(FormEvent::QueryUnload); });

    // An end during the load event stops the process inside it; the window is never shown.
    form.Fire(FormEvent::Load);
    window.show();
    window.StartTimers();
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "Karusello: " << error.what() << std::endl;
        return static_cast<int>(karusello::ExitCode::ErrorReport);
    }
}

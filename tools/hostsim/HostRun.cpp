#include "tools/hostsim/HostRun.h"

#include "tools/hostcore/HostController.h"
#include "tools/hostsim/CommandReader.h"
#include "tools/hostsim/HostMessageFilter.h"
#include "tools/hostsim/QtHostFrontEnd.h"
#include "tools/hostsim/QtX11.h"
#include "tools/hostsim/TerminationSignals.h"
#include "tools/hostsim/core/HostDatabase.h"
#include "tools/hostsim/core/HostSetup.h"
#include "tools/hostsim/core/NullFrontEnd.h"
#include "tools/hostsim/core/ProcessPluginStarter.h"

#include <QApplication>

#include <iostream>
#include <stdexcept>

namespace karusello::hostsim {
namespace {

// Answers every command line on standard output, and ends the host on a termination signal.
void ServeCommands(QObject* context, HostController& controller, HostFrontEnd& frontEnd) {
    auto* reader = new CommandReader(context);
    QObject::connect(reader, &CommandReader::LineRead, context,
                     [&controller](const std::string& line) {
                         std::cout << controller.Execute(line) << std::endl;
                     });
    auto* terminations = new TerminationSignals(context);
    QObject::connect(terminations, &TerminationSignals::Terminate, context,
                     [&frontEnd] { frontEnd.Quit(); });
}

// Qt reads options of its own from the command line ("-plugin" among them, which would take
// hostsim's --plugin for a Qt plug-in); it gets the program name only.
struct QtArguments {
    explicit QtArguments(char* program) : argv{program, nullptr} {}
    int argc = 1;
    char* argv[2];
};

} // namespace

int RunWithWindows(char* program, const HostOptions& options) {
    // Window ids and host messages are X11 things: the windows must be X windows.
    qputenv("QT_QPA_PLATFORM", "xcb");
    if (!DisplayReachable()) {
        throw std::runtime_error(
            "no X display (DISPLAY=" + qEnvironmentVariable("DISPLAY").toStdString() +
            "); --no-windows runs without one");
    }
    QtArguments arguments(program);
    QApplication app(arguments.argc, arguments.argv);
    QApplication::setQuitOnLastWindowClosed(false);

    const PreparedHost host = PrepareHost(options);
    HostIni ini(host.folder);
    HostDatabase database(host.database);
    MessageLog log(std::cout, options.log);
    ProcessPluginStarter starter;
    QtHostFrontEnd frontEnd(
        QString::fromStdString(ini.PluginMenuText(host.plugin.stem().string())));
    HostController controller(database, frontEnd, starter, log, host.plugin);
    frontEnd.Connect(controller);
    controller.Start(options.show);

    HostMessageFilter filter([&controller](const HostMessage& message) {
        try {
            controller.Receive(message);
        } catch (const std::exception& error) {
            std::cerr << "hostsim: " << error.what() << std::endl;
        }
    });
    app.installNativeEventFilter(&filter);
    frontEnd.ShowWindows();
    int code = 0;
    {
        const WindowHandles handles = *frontEnd.Handles();
        PublishedHandles published(ini, handles, "hostsim");
        std::cout << "ready DB=" << handles.db << " DJ=" << handles.dj << std::endl;
        QObject context;
        ServeCommands(&context, controller, frontEnd);
        code = QApplication::exec();
        app.removeNativeEventFilter(&filter);
    }
    frontEnd.DestroyWindows();
    return code;
}

int RunWithoutWindows(char* program, const HostOptions& options) {
    QtArguments arguments(program);
    QCoreApplication app(arguments.argc, arguments.argv);
    const PreparedHost host = PrepareHost(options);
    HostDatabase database(host.database);
    MessageLog log(std::cout, options.log);
    ProcessPluginStarter starter;
    NullFrontEnd frontEnd([] { QCoreApplication::quit(); });
    HostController controller(database, frontEnd, starter, log, host.plugin);
    controller.Start(options.show);
    std::cout << "ready" << std::endl;
    QObject context;
    ServeCommands(&context, controller, frontEnd);
    return QCoreApplication::exec();
}

} // namespace karusello::hostsim

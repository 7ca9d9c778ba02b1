#include "tools/winhost/WinHostRun.h"

#include "core/os/Utf8Path.h"
#include "core/playlistdb/DBEngine.h"
#include "tools/hostcore/DaoPlaylistStore.h"
#include "tools/hostcore/HostController.h"
#include "tools/hostcore/HostIni.h"
#include "tools/hostcore/MessageLog.h"
#include "tools/hostcore/PluginLink.h"
#include "tools/winhost/CommandInput.h"
#include "tools/winhost/HostWindows.h"
#include "tools/winhost/Plumbing.h"
#include "tools/winhost/Win32PluginStarter.h"
#include "windows/odbc/OdbcDriver.h"

#include <windows.h>

#include <iostream>
#include <memory>
#include <stdexcept>

namespace karusello::hostsim {
namespace {

namespace fs = std::filesystem;

// The host folder that winhost works on, ready for use.
struct PreparedHost {
    fs::path folder;
    fs::path plugin;
    fs::path database;
};

PreparedHost PrepareHost(const HostOptions& options) {
    PreparedHost host;
    host.folder = fs::absolute(options.host);
    if (!fs::is_directory(host.folder)) {
        throw std::runtime_error("no host folder " + PathUtf8(host.folder));
    }
    host.plugin = options.plugin ? InstallPlugin(fs::absolute(*options.plugin), host.folder)
                                 : host.folder / "karusello.exe";
    host.database = HostIni(host.folder).DatabasePath();
    if (!fs::is_regular_file(host.database)) {
        throw std::runtime_error("no playlist database " + PathUtf8(host.database));
    }
    return host;
}

// Neither the command reader's pipe nor the answers' pipe may stay open in a plug-in that
// outlives the host.
void KeepStandardHandlesToItself() {
    for (const DWORD which : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE}) {
        const HANDLE handle = ::GetStdHandle(which);
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE) {
            ::SetHandleInformation(handle, HANDLE_FLAG_INHERIT, 0);
        }
    }
}

int RunMessageLoop() {
    MSG message;
    BOOL got = 0;
    while ((got = ::GetMessageW(&message, nullptr, 0, 0)) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return got < 0 ? 1 : static_cast<int>(message.wParam);
}

} // namespace

int RunWinHost(const HostOptions& options) {
    KeepStandardHandlesToItself();
    const PreparedHost host = PrepareHost(options);
    HostIni ini(host.folder);

    dao::DBEngine engine(std::make_shared<dao::OdbcDriver>());
    DaoPlaylistStore store(engine, PathUtf8(host.database));
    MessageLog log(std::cout, options.log);
    HostWindows windows(ini.PluginMenuText(PathUtf8(host.plugin.stem())),
                        [] { ::PostQuitMessage(0); });

    std::unique_ptr<HostController> controller;
    Plumbing plumbing(
        [&controller](const std::string& line) {
            std::cout << controller->Execute(line) << std::endl;
        },
        [&windows](DWORD processId, DWORD exitCode) {
            const std::string line =
                "ended pid=" + std::to_string(processId) + " exit=" + std::to_string(exitCode);
            std::cout << line << std::endl;
            windows.ShowStatus("Plug-in beendet (Prozess " + std::to_string(processId) + ", Ende " +
                               std::to_string(exitCode) + ")");
        });
    Win32PluginStarter starter(plumbing.Target(), options.quotePluginPath);
    controller = std::make_unique<HostController>(store, windows, starter, log, host.plugin);
    windows.Connect(*controller);
    windows.ShowWindows();
    controller->Start(options.show);

    int code = 0;
    {
        const WindowHandles handles = *windows.Handles();
        PublishedHandles published(ini, handles, "winhost");
        std::cout << "ready DB=" << handles.db << " DJ=" << handles.dj << std::endl;
        StartCommandInput(plumbing.Target());
        code = RunMessageLoop();
    }
    windows.DestroyWindows();
    return code;
}

} // namespace karusello::hostsim

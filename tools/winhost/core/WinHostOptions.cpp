#include "tools/winhost/core/WinHostOptions.h"

namespace karusello::hostsim {

HostOptions ParseWinHostOptions(const std::vector<std::string>& args) {
    const HostOptions options = ParseHostOptions(args);
    if (options.create || options.skin || options.big > 0) {
        throw UsageError("winhost makes no host folder: make it with karusello-demohost on Linux "
                         "(scripts/run-demo.sh --windows does)");
    }
    if (!options.windows) {
        throw UsageError("--no-windows is hostsim's; winhost always shows its windows");
    }
    return options;
}

std::string WinHostUsage() {
    return "usage: winhost --host <folder> [--plugin <karusello.exe>] [--log <file>] "
           "[--show <nid>]\n"
           "  --host <folder>     the host folder with brisolan.ini and the playlist database\n"
           "  --plugin <path>     link (or copy) this plug-in executable into the folder\n"
           "  --log <file>        append every received host message to this file\n"
           "  --show <nid>        the playlist to show first (default: the lowest nid)\n"
           "Commands are read from standard input, one a line; see docs/windows.md.\n";
}

} // namespace karusello::hostsim

#include "tools/winhost/core/WinHostOptions.h"

namespace karusello::hostsim {

HostOptions ParseWinHostOptions(const std::vector<std::string>& args) {
    std::vector<std::string> hostsims;
    bool unquoted = false;
    for (const std::string& arg : args) {
        if (arg == "--unquoted") {
            unquoted = true;
        } else {
            hostsims.push_back(arg);
        }
    }
    HostOptions options = ParseHostOptions(hostsims);
    options.quotePluginPath = !unquoted;
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
           "[--show <nid>] [--unquoted]\n"
           "  --host <folder>     the host folder with brisolan.ini and the playlist database\n"
           "  --plugin <path>     link (or copy) this plug-in executable into the folder\n"
           "  --log <file>        append every received host message to this file\n"
           "  --show <nid>        the playlist to show first (default: the lowest nid)\n"
           "  --unquoted          start the plug-in with its path bare on its command line,\n"
           "                      blanks and all, as some hosts do (default: in quotes)\n"
           "Commands are read from standard input, one a line; see docs/windows.md.\n";
}

} // namespace karusello::hostsim

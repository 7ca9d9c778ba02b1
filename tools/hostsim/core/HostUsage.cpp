#include "tools/hostsim/core/HostUsage.h"

namespace karusello::hostsim {

std::string HostUsage() {
    return "usage: hostsim --host <folder> [--create [--skin <file>] [--big <n>]]\n"
           "               [--plugin <karusello>] [--log <file>] [--show <nid>] [--no-windows]\n"
           "  --host <folder>     the host folder with brisolan.ini and brisolan.mdb\n"
           "  --create            make the folder a demo host unless it is one already\n"
           "  --skin <file>       with --create: the skin file to copy into skin/\n"
           "  --big <n>           with --create: add a large playlist (nid 99) of n entries\n"
           "  --plugin <path>     hard-link (or copy) this plug-in executable into the folder\n"
           "  --log <file>        append every received host message to this file\n"
           "  --show <nid>        the playlist to show first (default: the lowest nid)\n"
           "  --no-windows        no X display: no windows, no handles, commands only\n"
           "Commands are read from standard input, one a line; see docs/hostsim.md.\n";
}

} // namespace karusello::hostsim

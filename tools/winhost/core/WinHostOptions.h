#pragma once

#include "tools/hostcore/HostOptions.h"

#include <string>
#include <vector>

namespace karusello::hostsim {

// winhost's command line: hostsim's options that a Windows host can follow (--host, --plugin,
// --log, --show, --help), and --unquoted of its own (the plug-in's path bare on its command
// line). Making a demo host (--create, --skin, --big) needs SQLite, which the
// Windows build does not have, and the windows are the point of this host (--no-windows): those
// are refused with a UsageError that says what to do instead.
HostOptions ParseWinHostOptions(const std::vector<std::string>& args);

// The usage text for --help and for a usage error.
std::string WinHostUsage();

} // namespace karusello::hostsim

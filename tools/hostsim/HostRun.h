#pragma once

#include "tools/hostcore/HostOptions.h"

namespace karusello::hostsim {

// program is argv[0]. Runs the host with its two windows on the X display until it is closed;
// returns the exit code.
int RunWithWindows(char* program, const HostOptions& options);

// Runs the command interface alone, without a display.
int RunWithoutWindows(char* program, const HostOptions& options);

} // namespace karusello::hostsim

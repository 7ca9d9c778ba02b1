#pragma once

#include "tools/hostsim/core/HostOptions.h"

namespace karusello::hostsim {

// Runs the host with its two windows on the X display until it is closed; returns the exit code.
int RunWithWindows(int& argc, char** argv, const HostOptions& options);

// Runs the command interface alone, without a display.
int RunWithoutWindows(int& argc, char** argv, const HostOptions& options);

} // namespace karusello::hostsim

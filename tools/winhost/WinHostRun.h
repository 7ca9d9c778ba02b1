#pragma once

#include "tools/hostcore/HostOptions.h"

namespace karusello::hostsim {

// Runs the host with its two windows until it is closed; returns the exit code. Throws
// std::runtime_error when the host cannot start.
int RunWinHost(const HostOptions& options);

} // namespace karusello::hostsim

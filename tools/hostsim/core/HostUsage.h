#pragma once

#include <string>

namespace karusello::hostsim {

// hostsim's usage text for --help and for a usage error.
std::string HostUsage();

} // namespace karusello::hostsim

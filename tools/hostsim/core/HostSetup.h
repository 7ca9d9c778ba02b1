#pragma once

#include "tools/hostcore/HostOptions.h"

#include <filesystem>

namespace karusello::hostsim {

// The host folder that the simulator works on, ready for use.
struct PreparedHost {
    std::filesystem::path folder;   // absolute
    std::filesystem::path plugin;   // the plug-in executable inside the folder
    std::filesystem::path database; // the playlist database
};

// Creates the demo host folder (with --create, when it has no INI file yet), puts the plug-in
// into it (with --plugin) and finds its database. Throws std::runtime_error when the folder or
// its database is missing.
PreparedHost PrepareHost(const HostOptions& options);

} // namespace karusello::hostsim

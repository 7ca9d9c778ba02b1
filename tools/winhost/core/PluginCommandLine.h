#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace karusello::hostsim {

// The command line with which the host starts the plug-in: the program's path, in quotes or, as
// some hosts write it, bare with its blanks, then the arguments, each after a blank.
std::wstring PluginCommandLine(const std::filesystem::path& program,
                               const std::vector<std::string>& arguments, bool quoted);

} // namespace karusello::hostsim

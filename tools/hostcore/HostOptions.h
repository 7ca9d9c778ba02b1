#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace karusello::hostsim {

// What the command line asks of a stand-in host (hostsim; winhost takes a part of it).
struct HostOptions {
    std::filesystem::path host;                  // the host folder
    bool create = false;                         // make a demo host folder first
    std::optional<std::filesystem::path> skin;   // with create: the skin file to copy
    int big = 0;                                 // with create: entries of the large playlist
    std::optional<std::filesystem::path> plugin; // the plug-in executable to put into the folder
    std::optional<std::filesystem::path> log;    // every received message is appended here
    std::optional<std::int32_t> show;            // the playlist to show first
    bool windows = true;                         // false: no display, commands only
    bool quotePluginPath = true;                 // winhost: false writes the plug-in's path bare
    bool help = false;
};

// A command line that cannot be used; the text says why.
class UsageError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// Reads the arguments after the program name. Options take their value as the next argument or
// after "=". Throws UsageError for unknown options, missing values, bad numbers and a missing
// --host (unless --help).
HostOptions ParseHostOptions(const std::vector<std::string>& args);

} // namespace karusello::hostsim

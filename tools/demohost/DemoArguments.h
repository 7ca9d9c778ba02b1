#pragma once

#include "tools/demohost/DemoCatalog.h"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace karusello::demohost {

// What to create: the host folder and the size of its playlists.
struct DemoOptions {
    std::filesystem::path folder;
    int entries = kDefaultMorgenshowEntries;   // entries of "Morgenshow"
    int big = 0;                               // entries of the large playlist; 0 leaves it out
    bool force = false;                        // replace an existing INI file and database
    std::optional<std::filesystem::path> skin; // a skin file to copy into the skin folder
};

// A command line that cannot be used; its text says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the arguments after the program name. Throws UsageError.
DemoOptions ParseArguments(const std::vector<std::string>& arguments);

// True when the arguments ask for the help text.
bool WantsHelp(const std::vector<std::string>& arguments);

std::string UsageText();

} // namespace karusello::demohost

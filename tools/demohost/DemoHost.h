#pragma once

#include "tools/demohost/DemoArguments.h"

#include <filesystem>
#include <stdexcept>
#include <string>

namespace karusello::demohost {

inline constexpr const char* kIniFileName = "brisolan.ini";
inline constexpr const char* kDatabaseFileName = "brisolan.mdb";
inline constexpr const char* kSkinFolderName = "skin";
inline constexpr const char* kSkinFileName = "brisolan.skn";

// What CreateDemoHost made, as absolute paths.
struct DemoHostFiles {
    std::filesystem::path ini;
    std::filesystem::path database;
    std::filesystem::path skinFolder;
};

// The INI file or the database exists already and --force was not given.
class ExistingFilesError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The host INI file's bytes: Windows-1252 with CRLF line ends, section "Global" with the skin
// file's name and the database's path, and an empty section "Message" for the host's handles.
std::string HostIniText(const std::filesystem::path& database);

// Creates the demo host in options.folder: the INI file, the database (built under a temporary
// name and renamed into place, so that a half-built file never carries the real name) and the
// skin folder. The skin file itself is copied only when options.skin names one.
DemoHostFiles CreateDemoHost(const DemoOptions& options);

} // namespace karusello::demohost

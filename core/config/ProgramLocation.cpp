#include "core/config/ProgramLocation.h"

#include "core/errors/RuntimeError.h"
#include "core/os/ExecutablePath.h"
#include "core/os/PathSeparator.h"

#include <utility>
#include <vector>

namespace karusello {
namespace {

// The executable's folder and name; nothing when its path cannot be read.
struct Location {
    std::optional<std::string> folder;
    std::string exeName;
};

// The location that a ScopedProgramLocation set, if any.
std::optional<Location>& Override() {
    static std::optional<Location> location;
    return location;
}

Location LocationOf(const std::optional<std::string>& path) {
    if (!path || path->empty()) {
        return {};
    }
    const auto separator = path->rfind(os::PathSeparator());
    if (separator == std::string::npos) {
        return {};
    }
    std::string folder = path->substr(0, separator);
    // A root folder keeps its separator ("/", "C:\"), as the system reports it.
    if (folder.empty() || folder.back() == ':') {
        folder.push_back(os::PathSeparator());
    }
    std::string name = path->substr(separator + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) {
        name.resize(dot);
    }
    return {std::move(folder), std::move(name)};
}

// Read once, at first use: the program's place is fixed for its run, and every INI access asks
// for it. It also keeps the name that the program started under if its file is replaced later.
const Location& RunningLocation() {
    static const Location location = LocationOf(os::ExecutablePath());
    return location;
}

const Location& Current() {
    const Location& location = Override() ? *Override() : RunningLocation();
    if (!location.folder) {
        throw RuntimeError(errnum::PathFileAccess, StandardErrorText(errnum::PathFileAccess) +
                                                       ": der Pfad des Programms ist nicht lesbar");
    }
    return location;
}

} // namespace

std::string ProgramLocation::Folder() {
    return *Current().folder;
}

std::string ProgramLocation::ExeName() {
    return Current().exeName;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    path.push_back(os::PathSeparator());
    path.append(name);
    return path;
}

namespace {
// What was in force before each living ScopedProgramLocation, innermost last, so that they nest.
std::vector<std::optional<Location>>& Previous() {
    static std::vector<std::optional<Location>> previous;
    return previous;
}
} // namespace

ScopedProgramLocation::ScopedProgramLocation(std::string folder, std::string exeName) {
    Previous().push_back(
        std::exchange(Override(), Location{std::move(folder), std::move(exeName)}));
}

ScopedProgramLocation::ScopedProgramLocation(std::nullopt_t) {
    Previous().push_back(std::exchange(Override(), Location{}));
}

ScopedProgramLocation::~ScopedProgramLocation() {
    Override() = std::move(Previous().back());
    Previous().pop_back();
}

} // namespace karusello

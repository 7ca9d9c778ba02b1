#include "config/ProgramLocation.h"

#include <climits>
#include <optional>
#include <unistd.h>
#include <utility>
#include <vector>

namespace karusello {
namespace {

struct Location {
    std::string folder;
    std::string exeName;
};

// The location that a ScopedProgramLocation set, if any.
std::optional<Location>& Override() {
    static std::optional<Location> location;
    return location;
}

std::string ReadExecutablePath() {
    std::string path(PATH_MAX, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) {
        return {};
    }
    path.resize(static_cast<std::size_t>(length));
    return path;
}

// Read once, at first use: the program's place is fixed for its run, and every INI access asks
// for it. It also keeps the name that the program started under if its file is replaced later.
const std::string& ExecutablePath() {
    static const std::string path = ReadExecutablePath();
    return path;
}

} // namespace

std::string ProgramLocation::Folder() {
    if (Override()) {
        return Override()->folder;
    }
    const std::string& path = ExecutablePath();
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return {};
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string ProgramLocation::ExeName() {
    if (Override()) {
        return Override()->exeName;
    }
    const std::string& path = ExecutablePath();
    std::string name = path.substr(path.rfind('/') + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) {
        name.resize(dot);
    }
    return name;
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

ScopedProgramLocation::~ScopedProgramLocation() {
    Override() = std::move(Previous().back());
    Previous().pop_back();
}

} // namespace karusello

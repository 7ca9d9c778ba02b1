#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace karusello {

// Where the running program lives: the folder that holds its executable (no trailing
// separator except for a root folder) and the executable's file name. When the system cannot
// tell the executable's path, both raise RuntimeError(errnum::PathFileAccess): a guessed folder
// would send every host file access to the wrong place.
class ProgramLocation {
public:
    static std::string Folder();
    // The executable's file name without folder and without extension.
    static std::string ExeName();
};

// folder, the platform's path separator, name; nothing is normalised, as the host's own joins
// are not ("C:\" and "brisolan.ini" give "C:\\brisolan.ini").
std::string JoinPath(std::string_view folder, std::string_view name);

// Makes ProgramLocation report another folder and name while it lives; for tests, which run
// from the build folder but work on a host folder of their own.
class ScopedProgramLocation {
public:
    ScopedProgramLocation(std::string folder, std::string exeName = "karusello");
    // As if the system could not tell the executable's path.
    explicit ScopedProgramLocation(std::nullopt_t unreadable);
    ~ScopedProgramLocation();
    ScopedProgramLocation(const ScopedProgramLocation&) = delete;
    ScopedProgramLocation& operator=(const ScopedProgramLocation&) = delete;
};

} // namespace karusello

#pragma once

#include <string>

namespace karusello {

// Where the running program lives: the folder that holds its executable (no trailing
// separator except for the root folder) and the executable's file name.
class ProgramLocation {
public:
    static std::string Folder();
    // The executable's file name without folder and without extension.
    static std::string ExeName();
};

// Makes ProgramLocation report another folder and name while it lives; for tests, which run
// from the build folder but work on a host folder of their own.
class ScopedProgramLocation {
public:
    ScopedProgramLocation(std::string folder, std::string exeName = "karusello");
    ~ScopedProgramLocation();
    ScopedProgramLocation(const ScopedProgramLocation&) = delete;
    ScopedProgramLocation& operator=(const ScopedProgramLocation&) = delete;
};

} // namespace karusello

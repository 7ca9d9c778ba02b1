#pragma once

#include <string>

namespace karusello {

// What the workflow needs to know of its own process.
class ProcessInfo {
public:
    virtual ~ProcessInfo() = default;
    // The executable's file name without folder and extension.
    virtual std::string ExeName() = 0;
    // Everything after the program's own path, the arguments joined by blanks.
    virtual std::string CommandLine() = 0;
    // True when another instance of the program runs for this user.
    virtual bool PrevInstance() = 0;
};

} // namespace karusello

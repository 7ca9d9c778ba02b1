#pragma once

#include "core/app/interfaces/ProcessInfo.h"
#include "windows/process/NamedMutex.h"

#include <memory>
#include <string>

namespace karusello {

// The running process as the workflow sees it on Windows: its executable name, the arguments of
// its command line and whether another instance runs in the user's session.
class Win32ProcessInfo : public ProcessInfo {
public:
    // The arguments come from the process's own command line.
    Win32ProcessInfo();
    // For tests: the arguments as given.
    explicit Win32ProcessInfo(std::string commandLine);

    std::string ExeName() override;
    std::string CommandLine() override;
    // Takes the mutex under the executable name on the first call and keeps it for the life of
    // this object, so that a later instance sees this one.
    bool PrevInstance() override;

private:
    std::string commandLine_;
    std::unique_ptr<NamedMutex> mutex_;
};

} // namespace karusello

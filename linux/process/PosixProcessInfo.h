#pragma once

#include "core/app/interfaces/ProcessInfo.h"
#include "linux/process/InstanceLock.h"

#include <memory>
#include <string>

namespace karusello {

// The running process as the workflow sees it: its executable name, its arguments and whether
// another instance of it runs for this user.
class PosixProcessInfo : public ProcessInfo {
public:
    PosixProcessInfo(int argc, const char* const* argv, LockPlaces places = DefaultLockPlaces());

    std::string ExeName() override;
    // The arguments after the program's path, joined by single blanks.
    std::string CommandLine() override;
    // Takes the single-instance lock under the executable name on the first call and keeps it
    // for the life of this object, so that a later instance sees this one.
    bool PrevInstance() override;

private:
    std::string commandLine_;
    LockPlaces places_;
    std::unique_ptr<InstanceLock> lock_;
};

} // namespace karusello

#pragma once

#include "windows/system/UniqueHandle.h"

#include <string>

namespace karusello {

// A mutex of the user's session under a name, held while this object lives. The system drops
// it when the process ends in any way, so a crashed instance never blocks the next start.
class NamedMutex {
public:
    // Creates or opens the mutex "Local\<name>". RuntimeError when the system refuses both.
    explicit NamedMutex(const std::string& name);

    // True when the mutex existed before: another instance holds it.
    bool AnotherInstanceRuns() const noexcept { return existed_; }

private:
    win32::UniqueHandle handle_;
    bool existed_ = false;
};

} // namespace karusello

#pragma once

#include "linux/process/LockFolder.h"
#include "linux/system/UniqueFd.h"

#include <string>

namespace karusello {

// The lock that lets one instance of a program run per user: the file "<name>.lock" in the
// user's lock folder, locked with flock while this object lives. The kernel drops the lock
// when the process ends in any way, so a crashed instance never blocks the next start.
class InstanceLock {
public:
    // Tries to take the lock at once. A lock file that cannot be opened safely (a link or a
    // folder in its place) or a lock folder that is not private: RuntimeError(PathFileAccess).
    explicit InstanceLock(const std::string& name, const LockPlaces& places = DefaultLockPlaces());

    // True when another holder (another process, or another lock object) has the lock.
    bool AnotherInstanceRuns() const noexcept { return !held_; }

private:
    UniqueFd file_;
    bool held_ = false;
};

} // namespace karusello

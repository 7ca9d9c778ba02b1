#pragma once

#include "linux/system/UniqueFd.h"

#include <string>

namespace karusello {

// The folders where this user's single-instance locks may live, best first.
struct LockPlaces {
    std::string runtimeDir; // the user's runtime folder ($XDG_RUNTIME_DIR); "" when unset
    std::string privateDir; // a private folder of the user in /tmp, made when missing
};

// $XDG_RUNTIME_DIR and /tmp/karusello-<uid>.
LockPlaces DefaultLockPlaces();

// Opens the folder for the lock files: the runtime folder when it is a real folder (no link)
// owned by this user with mode 0700; otherwise the private folder, created with mode 0700 when
// missing and taken only when it is a real folder owned by this user with mode exactly 0700.
// Another user could otherwise plant links or files where the lock is taken. Neither usable:
// RuntimeError(errnum::PathFileAccess).
UniqueFd OpenLockFolder(const LockPlaces& places);

} // namespace karusello

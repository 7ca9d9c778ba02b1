#include "linux/process/LockFolder.h"

#include "core/errors/RuntimeError.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace karusello {

namespace {

constexpr mode_t privateMode = 0700;

// Opens the folder itself, never a link in its place, so that the checks below and every later
// use see the same folder (no gap between a check by name and the use).
UniqueFd OpenFolder(const std::string& path) {
    return UniqueFd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

bool IsPrivateFolder(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & 07777) == privateMode;
}

UniqueFd OpenRuntimeFolder(const std::string& path) {
    if (path.empty()) {
        return {};
    }
    UniqueFd folder = OpenFolder(path);
    if (!folder.Valid() || !IsPrivateFolder(folder.Get())) {
        return {};
    }
    return folder;
}

UniqueFd OpenPrivateFolder(const std::string& path) {
    const bool created = ::mkdir(path.c_str(), privateMode) == 0;
    UniqueFd folder = OpenFolder(path);
    if (!folder.Valid()) {
        return {};
    }
    if (created) {
        // The umask may have taken bits from the mode; the folder is ours, just made.
        struct stat info {};
        if (::fstat(folder.Get(), &info) == 0 && S_ISDIR(info.st_mode) &&
            info.st_uid == ::geteuid()) {
            ::fchmod(folder.Get(), privateMode);
        }
    }
    if (!IsPrivateFolder(folder.Get())) {
        return {};
    }
    return folder;
}

} // namespace

LockPlaces DefaultLockPlaces() {
    LockPlaces places;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr) {
        places.runtimeDir = runtime;
    }
    places.privateDir = "/tmp/karusello-" + std::to_string(::geteuid());
    return places;
}

UniqueFd OpenLockFolder(const LockPlaces& places) {
    if (UniqueFd runtime = OpenRuntimeFolder(places.runtimeDir); runtime.Valid()) {
        return runtime;
    }
    if (UniqueFd own = OpenPrivateFolder(places.privateDir); own.Valid()) {
        return own;
    }
    throw RuntimeError(errnum::PathFileAccess,
                       StandardErrorText(errnum::PathFileAccess) +
                           " (kein sicherer Ordner für die Sperre: " + places.privateDir + ")");
}

} // namespace karusello

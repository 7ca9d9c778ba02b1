#include "linux/process/InstanceLock.h"

#include "core/errors/RuntimeError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace karusello {

namespace {

// The lock file's name: a name with a slash must not reach another folder.
std::string LockFileName(std::string name) {
    for (char& c : name) {
        if (c == '/') {
            c = '_';
        }
    }
    return (name.empty() ? std::string("karusello") : name) + ".lock";
}

[[noreturn]] void Refuse(const std::string& fileName) {
    throw RuntimeError(errnum::PathFileAccess,
                       StandardErrorText(errnum::PathFileAccess) + " (" + fileName + ")");
}

bool TryLock(int fd, const std::string& fileName) {
    int result = 0;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        return true;
    }
    if (errno == EWOULDBLOCK) {
        return false;
    }
    Refuse(fileName);
}

} // namespace

InstanceLock::InstanceLock(const std::string& name, const LockPlaces& places) {
    const UniqueFd folder = OpenLockFolder(places);
    const std::string fileName = LockFileName(name);
    // O_NOFOLLOW: a link in place of the lock file is refused, never followed. O_NONBLOCK: a
    // FIFO in its place cannot hang the start.
    file_.Reset(::openat(folder.Get(), fileName.c_str(),
                         O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600));
    struct stat info {};
    if (!file_.Valid() || ::fstat(file_.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        Refuse(fileName);
    }
    held_ = TryLock(file_.Get(), fileName);
}

} // namespace karusello

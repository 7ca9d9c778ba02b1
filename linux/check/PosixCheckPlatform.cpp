#include "linux/check/PosixCheckPlatform.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace karusello::check {

namespace {

std::string SystemError(int error) {
    return std::strerror(error);
}

// Opens the file and closes it again: nothing is created, truncated or written. Non-blocking,
// so that a lock or a device cannot hold the check.
bool Opens(const std::string& path, int mode, std::string& reason) {
    const int fd = ::open(path.c_str(), mode | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        reason = SystemError(errno);
        return false;
    }
    ::close(fd);
    return true;
}

// The folder of the file that the path ends at, links followed, as the INI engine writes there.
std::string FolderOf(const std::string& path) {
    char resolved[PATH_MAX];
    std::string file = ::realpath(path.c_str(), resolved) != nullptr ? resolved : path;
    const auto slash = file.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : file.substr(0, slash);
}

} // namespace

FileAccess PosixCheckPlatform::Access(const std::string& path) {
    FileAccess access;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno != ENOENT && errno != ENOTDIR) {
            access.exists = true;
            access.reason = SystemError(errno);
        }
        return access;
    }
    access.exists = true;
    if (!S_ISREG(st.st_mode)) {
        access.reason = S_ISDIR(st.st_mode) ? "a folder, no file" : "no regular file";
        return access;
    }
    access.readable = Opens(path, O_RDONLY, access.reason);
    if (!access.readable) {
        return access;
    }
    if (!Opens(path, O_WRONLY, access.reason)) {
        return access;
    }
    const std::string folder = FolderOf(path);
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        access.reason = "its folder " + folder + " takes no new files: " + SystemError(errno);
        return access;
    }
    access.writable = true;
    return access;
}

SystemFacts PosixCheckPlatform::System(const std::string&) {
    return {};
}

} // namespace karusello::check

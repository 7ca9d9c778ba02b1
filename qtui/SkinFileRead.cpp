// Reading a skin file from disk, with the program's errors for files that cannot be read.
#include "qtui/SkinFile.h"

#include "config/RuntimeError.h"
#include "posix/UniqueFd.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace karusello {

namespace {

std::string Reason(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return "keine Berechtigung";
    case EISDIR:
        return "ist ein Ordner";
    case EIO:
        return "Ein-/Ausgabefehler";
    default:
        return "nicht lesbar (Fehler " + std::to_string(error) + ")";
    }
}

[[noreturn]] void ThrowAccess(const std::string& path, const std::string& reason) {
    throw RuntimeError(errnum::PathFileAccess, StandardErrorText(errnum::PathFileAccess) +
                                                   ": Skin-Datei '" + path + "' " + reason);
}

[[noreturn]] void ThrowOpenFailed(const std::string& path, int error) {
    if (error == ENOENT || error == ENOTDIR) {
        throw RuntimeError(errnum::FileNotFound,
                           StandardErrorText(errnum::FileNotFound) + ": '" + path + "'");
    }
    ThrowAccess(path, Reason(error));
}

// O_NONBLOCK keeps the open of a named pipe from waiting for a writer; such a file is
// refused right after.
UniqueFd OpenRegularFile(const std::string& path) {
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.Valid()) {
        ThrowOpenFailed(path, errno);
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        ThrowAccess(path, Reason(errno));
    }
    if (S_ISDIR(info.st_mode)) {
        ThrowAccess(path, Reason(EISDIR));
    }
    if (!S_ISREG(info.st_mode)) {
        ThrowAccess(path, "ist keine Datei");
    }
    return fd;
}

} // namespace

std::string ReadSkinFile(const std::string& path) {
    const UniqueFd fd = OpenRegularFile(path);
    std::string bytes;
    char buffer[16384];
    while (bytes.size() < MaxSkinFileSize) {
        const ssize_t got = ::read(fd.Get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            ThrowAccess(path, Reason(errno));
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    if (bytes.size() > MaxSkinFileSize) {
        bytes.resize(MaxSkinFileSize);
    }
    return bytes;
}

} // namespace karusello

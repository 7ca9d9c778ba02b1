// Reading a skin file from disk, with the program's errors for files that cannot be read.
#include "qtui/SkinFile.h"

#include "config/RuntimeError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace karusello {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor& operator=(FileDescriptor&&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

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
FileDescriptor OpenRegularFile(const std::string& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        ThrowOpenFailed(path, errno);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
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
    const FileDescriptor fd = OpenRegularFile(path);
    std::string bytes;
    char buffer[16384];
    while (bytes.size() < MaxSkinFileSize) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
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

#include "linux/system/FileBytes.h"

#include "linux/system/UniqueFd.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace karusello {

namespace {

// The file read last, kept open. The host's INI file is read key by key, several times per
// click; while its path leads to the same file (device and inode: the number cannot go to
// another file while this handle holds it) with the same owner, rights and status-change time,
// reading it again takes a stat of the path and one read instead of open, fstat, read and
// close. Only the handle is kept: the content is read anew every time, so a write in place is
// seen at once, and a file put in its place by a rename is opened anew.
struct KeptFile {
    std::string path;
    UniqueFd fd;
    struct stat status {};
};

thread_local KeptFile kept;

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_mode == b.st_mode &&
           a.st_uid == b.st_uid && a.st_gid == b.st_gid && a.st_ctim.tv_sec == b.st_ctim.tv_sec &&
           a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

// An open handle of the regular file that st describes, or none.
int OpenFor(const std::string& path, const struct stat& st) {
    if (kept.fd.Valid() && kept.path == path && SameFile(kept.status, st)) {
        return kept.fd.Get();
    }
    kept.fd.Reset();
    // O_NONBLOCK: should a FIFO take the file's place after the stat, opening it must not hang.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {};
    if (!fd.Valid() || ::fstat(fd.Get(), &opened) != 0 || !SameFile(opened, st)) {
        return -1;
    }
    kept.path = path;
    kept.status = opened;
    kept.fd = std::move(fd);
    return kept.fd.Get();
}

} // namespace

FileBytes ReadFileBytes(const std::string& path) {
    FileBytes result;
    if (path.empty() || path.find('\0') != std::string::npos) {
        return result;
    }
    // A FIFO or device at the path is refused before it is opened.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        result.status = (errno == ENOENT || errno == ENOTDIR) ? FileBytes::Status::Missing
                                                              : FileBytes::Status::Failed;
        return result;
    }
    const int fd = S_ISREG(st.st_mode) ? OpenFor(path, st) : -1;
    if (fd < 0) {
        result.status = FileBytes::Status::Failed;
        return result;
    }
    // One byte more than the file holds: a regular file's read comes back short only at its
    // end, so an INI file that does not change meanwhile takes a single read. A file that grew
    // since the stat fills the buffer and is read on in larger steps.
    std::string& bytes = result.bytes;
    bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t have = 0;
    for (;;) {
        const ssize_t got =
            ::pread(fd, bytes.data() + have, bytes.size() - have, static_cast<off_t>(have));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            kept.fd.Reset();
            result.status = FileBytes::Status::Failed;
            bytes.clear();
            return result;
        }
        have += static_cast<std::size_t>(got);
        if (have < bytes.size()) {
            break;
        }
        bytes.resize(bytes.size() * 2);
    }
    bytes.resize(have);
    result.status = FileBytes::Status::Read;
    return result;
}

} // namespace karusello

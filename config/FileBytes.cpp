#include "config/FileBytes.h"

#include "config/UniqueFd.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace karusello {

FileBytes ReadFileBytes(const std::string& path) {
    FileBytes result;
    if (path.empty() || path.find('\0') != std::string::npos) {
        return result;
    }
    // O_NONBLOCK: a FIFO planted at the path must not hang the program; it is refused below.
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.Valid()) {
        result.status = (errno == ENOENT || errno == ENOTDIR) ? FileBytes::Status::Missing
                                                              : FileBytes::Status::Failed;
        return result;
    }
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        result.status = FileBytes::Status::Failed;
        return result;
    }
    // One byte more than the file holds: a regular file's read comes back short only at its
    // end, so an INI file that does not change meanwhile takes a single read. A file that grew
    // since fstat fills the buffer and is read on in larger steps.
    std::string& bytes = result.bytes;
    bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t have = 0;
    for (;;) {
        const ssize_t got = ::read(fd.Get(), bytes.data() + have, bytes.size() - have);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
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

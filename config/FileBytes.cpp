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
    result.bytes.reserve(static_cast<std::size_t>(st.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd.Get(), chunk, sizeof chunk);
        if (got > 0) {
            result.bytes.append(chunk, static_cast<std::size_t>(got));
        } else if (got == 0) {
            break;
        } else if (errno != EINTR) {
            result.status = FileBytes::Status::Failed;
            result.bytes.clear();
            return result;
        }
    }
    result.status = FileBytes::Status::Read;
    return result;
}

} // namespace karusello

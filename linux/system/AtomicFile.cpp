#include "linux/system/AtomicFile.h"

#include "linux/system/UniqueFd.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace karusello {
namespace {

constexpr int kMaxLinkDepth = 40;
constexpr int kMaxNameAttempts = 100;
// Leaves room in a file name for the temporary name's prefix and suffix.
constexpr std::size_t kMaxBaseInTempName = 200;

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string RandomSuffix() {
    static constexpr char kChars[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device device;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kChars - 2);
    std::string suffix(12, ' ');
    for (char& c : suffix) {
        c = kChars[pick(device)];
    }
    return suffix;
}

// Creates a new file of a random name in the target's folder. O_EXCL|O_NOFOLLOW: a file or link
// that someone planted at that name is never opened, the next name is tried instead.
UniqueFd CreateTempBeside(const std::string& target, mode_t mode, std::string& tempPath) {
    const std::string prefix =
        FolderOf(target) + "/." + BaseOf(target).substr(0, kMaxBaseInTempName) + ".tmp-";
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
        tempPath = prefix + RandomSuffix();
        UniqueFd fd(
            ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (fd.Valid() || errno != EEXIST) {
            return fd;
        }
    }
    return UniqueFd();
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t done = ::write(fd, content.data(), content.size());
        if (done < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(done));
    }
    return true;
}

enum class OldFile { Missing, Writable, Refused };

// Whether the old file may be replaced: it is opened for writing only to learn that it may be
// written (nothing is written through it), and its mode and owner are taken.
OldFile CheckOldFile(const std::string& target, struct stat& st) {
    const UniqueFd fd(::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!fd.Valid()) {
        return errno == ENOENT ? OldFile::Missing : OldFile::Refused;
    }
    if (::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return OldFile::Refused;
    }
    return OldFile::Writable;
}

void SyncFolder(const std::string& folder) {
    const UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Valid()) {
        ::fsync(fd.Get());
    }
}

// Brings the new file to the old file's owner and mode. The owner can only be kept by a
// privileged process; elsewhere the file already belongs to the writer.
bool CopyOwnerAndMode(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && errno != EPERM) {
        return false;
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// The path a chain of symbolic links ends at (the path itself when it is no link). A relative
// link target is taken from the link's folder. nullopt for a loop or a chain too long to follow.
std::optional<std::string> ResolveSymlinks(const std::string& path) {
    std::string current = path;
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            return current;
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<std::size_t>(length) >= target.size()) {
            return std::nullopt;
        }
        target.resize(static_cast<std::size_t>(length));
        current = target.front() == '/' ? target : FolderOf(current) + "/" + target;
    }
    return std::nullopt;
}

} // namespace

bool ReplaceFileAtomically(const std::string& path, std::string_view content) {
    if (path.empty() || path.back() == '/' || path.find('\0') != std::string::npos) {
        return false;
    }
    const auto target = ResolveSymlinks(path);
    if (!target) {
        return false;
    }
    struct stat old {};
    const OldFile oldFile = CheckOldFile(*target, old);
    if (oldFile == OldFile::Refused) {
        return false;
    }
    // A new file gets the usual mode of a created file (0666 less the umask).
    const mode_t createMode = oldFile == OldFile::Writable ? 0600 : 0666;
    std::string tempPath;
    UniqueFd temp = CreateTempBeside(*target, createMode, tempPath);
    if (!temp.Valid()) {
        return false;
    }
    bool ok = WriteAll(temp.Get(), content) && ::fsync(temp.Get()) == 0;
    if (ok && oldFile == OldFile::Writable) {
        ok = CopyOwnerAndMode(temp.Get(), old);
    }
    ok = (::close(temp.Release()) == 0) && ok;
    if (!ok || ::rename(tempPath.c_str(), target->c_str()) != 0) {
        ::unlink(tempPath.c_str());
        return false;
    }
    SyncFolder(FolderOf(*target));
    return true;
}

} // namespace karusello

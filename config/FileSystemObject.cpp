#include "config/FileSystemObject.h"

#include <sys/stat.h>

namespace karusello {
namespace {

// stat follows symbolic links: a link to a file is a file, a link to a folder a folder.
bool StatOf(const std::string& path, struct stat& st) {
    return !path.empty() && path.find('\0') == std::string::npos && ::stat(path.c_str(), &st) == 0;
}

} // namespace

bool FileSystemObject::FileExists(const std::string& path) const {
    struct stat st {};
    return StatOf(path, st) && S_ISREG(st.st_mode);
}

bool FileSystemObject::FolderExists(const std::string& path) const {
    struct stat st {};
    return StatOf(path, st) && S_ISDIR(st.st_mode);
}

std::shared_ptr<FileSystemObject> SharedFileSystem() {
    static const std::shared_ptr<FileSystemObject> shared = std::make_shared<FileSystemObject>();
    return shared;
}

} // namespace karusello

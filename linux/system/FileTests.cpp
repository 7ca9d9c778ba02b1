#include "core/os/FileTests.h"

#include <sys/stat.h>

namespace karusello::os {
namespace {

// stat follows symbolic links: a link to a file is a file, a link to a folder a folder.
bool StatOf(const std::string& path, struct stat& st) {
    return !path.empty() && path.find('\0') == std::string::npos && ::stat(path.c_str(), &st) == 0;
}

} // namespace

bool IsExistingFile(const std::string& path) {
    struct stat st {};
    return StatOf(path, st) && S_ISREG(st.st_mode);
}

bool IsExistingFolder(const std::string& path) {
    struct stat st {};
    return StatOf(path, st) && S_ISDIR(st.st_mode);
}

} // namespace karusello::os

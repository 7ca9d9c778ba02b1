#include "core/config/FileSystemObject.h"

#include "core/os/FileTests.h"

namespace karusello {

bool FileSystemObject::FileExists(const std::string& path) const {
    return os::IsExistingFile(path);
}

bool FileSystemObject::FolderExists(const std::string& path) const {
    return os::IsExistingFolder(path);
}

std::shared_ptr<FileSystemObject> SharedFileSystem() {
    static const std::shared_ptr<FileSystemObject> shared = std::make_shared<FileSystemObject>();
    return shared;
}

} // namespace karusello

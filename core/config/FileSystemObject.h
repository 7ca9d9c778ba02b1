#pragma once

#include <memory>
#include <string>

namespace karusello {

// The file and folder tests of the program, through one object shared program-wide.
class FileSystemObject {
public:
    virtual ~FileSystemObject() = default;
    // True only for an existing file (not a folder); false for "".
    virtual bool FileExists(const std::string& path) const;
    // True only for an existing folder; false for "".
    virtual bool FolderExists(const std::string& path) const;
};

// The program-wide object, created on first use.
std::shared_ptr<FileSystemObject> SharedFileSystem();

} // namespace karusello

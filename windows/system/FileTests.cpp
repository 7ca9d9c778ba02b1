#include "core/os/FileTests.h"

#include "windows/system/Utf16.h"

#include <windows.h>

namespace karusello::os {
namespace {

// The attributes of what is at the path (links followed by the system); nothing for "" or a
// path that cannot name a file.
bool AttributesOf(const std::string& path, DWORD& attributes) {
    if (path.empty() || path.find('\0') != std::string::npos) {
        return false;
    }
    attributes = ::GetFileAttributesW(win32::WideFromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES;
}

} // namespace

bool IsExistingFile(const std::string& path) {
    DWORD attributes = 0;
    return AttributesOf(path, attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool IsExistingFolder(const std::string& path) {
    DWORD attributes = 0;
    return AttributesOf(path, attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

} // namespace karusello::os

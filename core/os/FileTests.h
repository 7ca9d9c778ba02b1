#pragma once

#include <string>

namespace karusello::os {

// True only for an existing regular file (links followed); false for "" and for a folder.
bool IsExistingFile(const std::string& path);
// True only for an existing folder (links followed); false for "".
bool IsExistingFolder(const std::string& path);

} // namespace karusello::os

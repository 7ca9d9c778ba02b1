#pragma once

#include "core/skin/SkinSettings.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace karusello {

// A skin file is small; what lies beyond this size is not read.
inline constexpr std::size_t MaxSkinFileSize = 1024 * 1024;

// The bytes of a skin file (at most MaxSkinFileSize); the path is UTF-8. A missing file is
// RuntimeError(errnum::FileNotFound); a file that cannot be read (no rights, a folder or
// another non-regular file, an I/O error) is RuntimeError(errnum::PathFileAccess). Both texts
// name the path.
std::string ReadSkinFile(const std::string& path);

// Reads the settings from a skin file's bytes (UTF-8, or Windows-1252 where they are no valid
// UTF-8). Lines it does not understand are skipped. A background image is looked for in folder.
SkinSettings ParseSkin(std::string_view bytes, const std::string& folder);

// The folder that holds the file at path ("." for a bare file name). Both "/" and the
// platform's own separator end a folder.
std::string SkinFolder(const std::string& path);

// Reads and parses the skin file at path, with its background image beside it.
SkinSettings LoadSkinFile(const std::string& path);

} // namespace karusello

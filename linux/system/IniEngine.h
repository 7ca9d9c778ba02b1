#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/os/ProfileFunctions.h"

// Our INI engine: the Windows profile functions with their semantics (docs/ini-engine.md), on a
// file whose text is Windows-1252 (a file in UTF-16 is read and written as UTF-16, its text seen
// in Windows-1252). Names, values and buffers are Windows-1252 bytes; paths are UTF-8. Every
// call reads the file anew. Section and key names lose the spaces around them, not tabs.
// linux/system/ProfileFunctions.cpp puts the program's UTF-8 text through it.
namespace karusello::ini {

// Copies the key's value (one pair of matching quotes removed) or, when the file, the section or
// the key is missing, the default text without its trailing spaces (none: the empty text) into
// buffer, cut to buffer.size() - 1 characters and closed with a NUL. Returns the number of
// characters copied, without the NUL. A key present with an empty value counts as present.
std::size_t GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::optional<std::string_view> defaultText,
                                    std::span<char> buffer, const std::string& path);

// Copies every line of the section (key=value, or the line itself when it has no "="; no
// comments, no blank lines), each followed by a NUL, the last by a second NUL. Returns the
// number of characters copied without that last NUL; 0 for a missing or empty section. When the
// lines do not fit, the copy is cut, closed with two NULs, and the count is buffer.size() - 2.
std::size_t GetPrivateProfileSection(std::string_view section, std::span<char> buffer,
                                     const std::string& path);

// As profile::WritePrivateProfileString (core/os/ProfileFunctions.h), with Windows-1252 names
// and values.
bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::optional<std::string_view> value, const std::string& path);

// A write of Windows-1252 names and a Windows-1252 value here.
using ProfileWrite = profile::ProfileWrite;

// As profile::WritePrivateProfileStrings, with Windows-1252 names and values.
bool WritePrivateProfileStrings(std::span<const ProfileWrite> writes, const std::string& path);

} // namespace karusello::ini

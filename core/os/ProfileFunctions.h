#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The profile functions of the platform, in the program's own text (UTF-8): on Windows the
// system's own, in their Unicode forms, so that a name, a value or a path reaches them whole
// whatever its letters; elsewhere our INI engine (linux/system), whose files are Windows-1252,
// so that a character it cannot hold becomes "?" there. A buffer size counts characters as the
// platform does (UTF-16 units on Windows, bytes of Windows-1252 in our engine): it decides where
// a long text is cut, as the host's own buffer of that size would cut it. Every call reads the
// file anew.
namespace karusello::profile {

// The key's value or, when the file, the section or the key is missing, the default text (none:
// the empty text), cut to bufferSize - 1 characters. A key present with an empty value counts as
// present.
std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::optional<std::string_view> defaultText,
                                    std::size_t bufferSize, const std::string& path);

// Every line of the section (key=value, or the line itself when it has no "="), each followed by
// a NUL; empty for a missing or empty section. When the lines do not fit in bufferSize
// characters, the copy is cut at bufferSize - 2 characters, where the last line may end early.
std::string GetPrivateProfileSection(std::string_view section, std::size_t bufferSize,
                                     const std::string& path);

// Sets the key's value, creating the file, the section and the key where they are missing; no
// value removes the key. Returns false when nothing could be written or when the names or the
// value cannot be stored. Our engine replaces the file atomically and leaves it untouched on
// failure; the system's function writes in place.
bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::optional<std::string_view> value, const std::string& path);

// One key to set (value given) or remove (no value), for WritePrivateProfileStrings.
struct ProfileWrite {
    std::string section;
    std::string key;
    std::optional<std::string> value;
};

// Several writes, in order. Our engine makes them one replacement of the file, so that a reader,
// or a crash, sees either none of them or all; the system's functions write one after the
// other. Returns false when nothing could be written; a write whose names or value cannot be
// stored is left out, as WritePrivateProfileString refuses it.
bool WritePrivateProfileStrings(std::span<const ProfileWrite> writes, const std::string& path);

} // namespace karusello::profile

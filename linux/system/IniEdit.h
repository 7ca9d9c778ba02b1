#pragma once

#include "linux/system/IniText.h"

#include <optional>
#include <string_view>
#include <vector>

namespace karusello::ini {

// The edits of a file's characters (IniText::Chars) that set (value given) or remove (no value)
// a key, all in Windows-1252 bytes. Only the line concerned changes; every other byte stays as
// it was.
// - Names as a caller gives them: spaces around them do not count, tabs do.
// - An existing key keeps its line: only the value between the surrounding blanks is replaced.
// - A new key goes after the last line of its section that is neither blank nor a comment; a new
//   section goes at the end of the file. New lines end with CRLF. A last line without a line end
//   gets one when it changes or when lines are added after it.
// - A removal takes out every line of the key in the section, so that the key is gone; the
//   section header stays.
// - Of sections of the same name, only the first is used.
// The edits come in ascending order. nullopt when the content stays the same (nothing to
// remove, the value already set) or when the names or the value cannot be stored in an INI line
// (see IsStorable).
std::optional<std::vector<TextEdit>> WriteEdits(std::string_view chars, std::string_view section,
                                                std::string_view key,
                                                std::optional<std::string_view> value);

// Whether a section, key and value can be written so that they read back as the same: no line
// breaks or NULs anywhere (they would end the line and let a value plant lines of its own), a
// key that is not empty, holds no "=" and does not start like a comment or a header, a section
// name without "]", and names that neither begin nor end with a tab once their spaces are gone
// (in the file a tab around a name does not count, so it could never be found again).
bool IsStorable(std::string_view section, std::string_view key,
                std::optional<std::string_view> value);

} // namespace karusello::ini

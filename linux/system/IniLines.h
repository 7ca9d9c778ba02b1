#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace karusello::ini {

// One line of an INI file as raw bytes, with the offsets needed to change it in place.
struct IniLine {
    enum class Kind {
        Blank,   // nothing but blanks and tabs
        Comment, // first non-blank character ";"
        Header,  // "[" name "]" ...; the name ends at the first "]", else at the line's end
        Entry,   // key "=" value
        Text,    // anything else: no key, but part of its section
    };
    Kind kind = Kind::Blank;
    std::size_t begin = 0;    // first byte of the line
    std::size_t end = 0;      // end of the line's content, before its line end
    std::size_t next = 0;     // first byte after the line end (== end for a last line without one)
    std::size_t equals = 0;   // Entry: offset of the "="
    std::string_view name;    // Header: the section name; Entry: the key; both trimmed
    std::string_view value;   // Entry: the value, trimmed, quotes kept
    std::string_view trimmed; // the whole line without leading and trailing blanks and tabs
};

// The lines of a section: the header's index and the half-open range of lines after it.
struct SectionLines {
    std::size_t header = 0;
    std::size_t first = 0;
    std::size_t end = 0;
};

// Splits a file into lines; CRLF, LF and CR all end a line. The views point into bytes.
std::vector<IniLine> SplitIniLines(std::string_view bytes);

// Blanks and tabs removed at both ends: the names and values in the file.
std::string_view TrimBlanks(std::string_view text);

// Spaces removed at both ends, tabs kept: the section and key names that a caller gives.
std::string_view TrimSpaces(std::string_view text);

// Up to the first NUL, as a C string would end there.
std::string_view UpToNul(std::string_view text);

// Section and key names compare without regard to case (ASCII and the letters of Windows-1252).
bool NamesEqual(std::string_view a, std::string_view b);

// The first section of that name; later sections of the same name are never searched.
std::optional<SectionLines> FindSection(const std::vector<IniLine>& lines, std::string_view name);

// The first entry of that key within the section.
std::optional<std::size_t> FindKey(const std::vector<IniLine>& lines, const SectionLines& section,
                                   std::string_view key);

} // namespace karusello::ini

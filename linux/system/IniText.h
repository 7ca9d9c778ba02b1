#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace karusello::ini {

// One change of a text: its characters [from, to) give way to text (Windows-1252 bytes).
struct TextEdit {
    std::size_t from = 0;
    std::size_t to = 0;
    std::string text;
};

// The text of an INI file in the form that the line parser and the editor work on: one byte per
// character. Windows reads and writes a file in one of two encodings, and so does this:
// - Windows-1252: the file's bytes are the characters.
// - UTF-16 little-endian, when the file starts with its byte-order mark (FF FE). Each UTF-16 unit
//   is one character: one that Windows-1252 has is its byte, any other (and each half of a
//   surrogate pair) is a NUL, so that no name a caller gives can match it, since callers' names
//   end at their first NUL. The characters that the functions hand out are taken from the units
//   themselves (Narrow), and edits go into the units, so a write keeps the file UTF-16 and every
//   character it does not touch, also those that Windows-1252 cannot hold. An odd last byte is no
//   character; it stays at the file's end.
class IniText {
public:
    explicit IniText(std::string fileBytes);

    std::string_view Chars() const { return chars_; }

    // A part of Chars() (a view into it) as Windows-1252 text, as the ANSI functions hand it out:
    // in a UTF-16 file, a character that Windows-1252 cannot hold becomes "?", a surrogate pair
    // one "?".
    std::string Narrow(std::string_view part) const;

    // Applies edits given in ascending order that do not overlap, offsets into Chars(). The text
    // keeps its encoding.
    void Apply(std::span<const TextEdit> edits);

    // The file's bytes, in its own encoding.
    std::string Encoded() const;

private:
    bool utf16_ = false;
    std::string chars_;
    std::u16string units_; // UTF-16 only: the units after the byte-order mark
    std::string oddByte_;  // UTF-16 only: a last byte that makes no unit
};

} // namespace karusello::ini

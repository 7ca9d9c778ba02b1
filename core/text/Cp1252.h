#pragma once

#include <string>
#include <string_view>

namespace karusello {

// The host keeps its INI files in Windows-1252; the program works in UTF-8.
//
// Every byte has a code point: the five bytes that Windows-1252 leaves unassigned (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) stand for the C1 control characters of the same number, so that a text read
// from a file and written back keeps those bytes unchanged.
std::string Cp1252ToUtf8(std::string_view bytes);

// Characters that Windows-1252 cannot hold become "?", as do bytes that are no valid UTF-8.
std::string Utf8ToCp1252(std::string_view text);

} // namespace karusello

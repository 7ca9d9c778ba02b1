#pragma once

#include <string>
#include <string_view>

namespace karusello::win32 {

// The program works in UTF-8; the system's wide functions take UTF-16. Bytes that are no valid
// UTF-8 become U+FFFD, as the system's own conversion makes them.
std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

} // namespace karusello::win32

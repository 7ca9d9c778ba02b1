#pragma once

#include <string>
#include <string_view>

namespace karusello {

// The program's UTF-8 texts and the wide characters of the Windows "W" functions. Bytes that are
// no valid UTF-8 become U+FFFD, as do unpaired surrogates the other way.
std::wstring ToUtf16(std::string_view utf8);
std::string ToUtf8(std::wstring_view utf16);

} // namespace karusello

#pragma once

#include <string>
#include <string_view>

namespace karusello::dao {

// UTF-8, the program's text, to UTF-16, the text of the ODBC wide functions, and back. A byte
// sequence that is no UTF-8 becomes U+FFFD, as does a lone surrogate on the way back.
std::u16string Utf16FromUtf8(std::string_view text);
std::string Utf8FromUtf16(std::u16string_view text);

} // namespace karusello::dao

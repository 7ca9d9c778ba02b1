#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace karusello::utf8 {

// One character read from UTF-8 text.
struct Decoded {
    // None for a sequence that is no valid UTF-8: a byte that starts none, a sequence cut short,
    // an overlong form, a surrogate or a value above U+10FFFF.
    std::optional<char32_t> codePoint;
    // The bytes it took: for a broken sequence its lead byte and the continuation bytes that
    // follow it, as many as the lead byte asks for.
    std::size_t length = 1;
};

// The character that starts at text[pos] (pos < text.size()).
Decoded DecodeAt(std::string_view text, std::size_t pos);

// True when the whole text is well-formed UTF-8: no broken sequence anywhere.
bool IsValid(std::string_view text);

// Appends a code point (up to U+10FFFF) in UTF-8.
void Append(std::string& out, char32_t codePoint);

} // namespace karusello::utf8

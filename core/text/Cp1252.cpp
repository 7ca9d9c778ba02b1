#include "core/text/Cp1252.h"

#include "core/text/Utf8.h"
#include "core/text/Windows1252.h"

#include <cstdint>

namespace karusello {
namespace {

constexpr char kReplacement = '?';

// The byte for a code point, or the replacement when Windows-1252 has none.
char ByteOrReplacement(char32_t cp) {
    return static_cast<char>(cp1252::ByteOf(cp).value_or(kReplacement));
}

} // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        utf8::Append(out, cp1252::CodePointOf(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        // Each byte of a broken sequence becomes a replacement of its own.
        const utf8::Decoded decoded = utf8::DecodeAt(text, pos);
        if (decoded.codePoint) {
            out += ByteOrReplacement(*decoded.codePoint);
            pos += decoded.length;
        } else {
            out += kReplacement;
            ++pos;
        }
    }
    return out;
}

} // namespace karusello

#include "windows/odbc/WideText.h"

#include "core/text/Utf8.h"

namespace karusello::dao {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

} // namespace

std::u16string Utf16FromUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        // A broken sequence becomes one replacement character.
        const utf8::Decoded decoded = utf8::DecodeAt(text, i);
        i += decoded.length;
        const char32_t c = decoded.codePoint.value_or(kReplacement);
        if (c < 0x10000) {
            out += static_cast<char16_t>(c);
        } else {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return out;
}

std::string Utf8FromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
        }
        utf8::Append(out, c);
    }
    return out;
}

} // namespace karusello::dao

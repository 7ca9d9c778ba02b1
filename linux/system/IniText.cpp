#include "linux/system/IniText.h"

#include "core/text/Windows1252.h"

namespace karusello::ini {
namespace {

constexpr std::string_view kUtf16Mark = "\xFF\xFE";
constexpr char kNoSuchCharacter = '?';

bool IsSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The character of a unit as the parser sees it: NUL for what Windows-1252 cannot hold.
char ParsedChar(char16_t unit) {
    if (IsSurrogate(unit)) {
        return '\0';
    }
    return static_cast<char>(cp1252::ByteOf(unit).value_or(0));
}

std::u16string Widened(std::string_view text) {
    std::u16string units;
    units.reserve(text.size());
    for (const char c : text) {
        units += cp1252::CodePointOf(static_cast<unsigned char>(c));
    }
    return units;
}

} // namespace

IniText::IniText(std::string fileBytes) {
    if (!fileBytes.starts_with(kUtf16Mark)) {
        chars_ = std::move(fileBytes);
        return;
    }
    utf16_ = true;
    const std::string_view body = std::string_view(fileBytes).substr(kUtf16Mark.size());
    units_.reserve(body.size() / 2);
    chars_.reserve(body.size() / 2);
    for (std::size_t i = 0; i + 1 < body.size(); i += 2) {
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(body[i]) |
                                                static_cast<unsigned char>(body[i + 1]) << 8);
        units_ += unit;
        chars_ += ParsedChar(unit);
    }
    if (body.size() % 2 != 0) {
        oddByte_ = body.substr(body.size() - 1);
    }
}

std::string IniText::Narrow(std::string_view part) const {
    if (!utf16_) {
        return std::string(part);
    }
    const auto from = static_cast<std::size_t>(part.data() - chars_.data());
    const std::u16string_view units = std::u16string_view(units_).substr(from, part.size());
    std::string text;
    text.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (IsHighSurrogate(units[i]) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
            ++i;
            text += kNoSuchCharacter;
        } else if (IsSurrogate(units[i])) {
            text += kNoSuchCharacter;
        } else {
            text += static_cast<char>(cp1252::ByteOf(units[i]).value_or(kNoSuchCharacter));
        }
    }
    return text;
}

void IniText::Apply(std::span<const TextEdit> edits) {
    std::string chars;
    std::u16string units;
    std::size_t copied = 0;
    for (const TextEdit& edit : edits) {
        chars.append(chars_, copied, edit.from - copied);
        chars += edit.text;
        if (utf16_) {
            units.append(units_, copied, edit.from - copied);
            units += Widened(edit.text);
        }
        copied = edit.to;
    }
    chars.append(chars_, copied);
    chars_ = std::move(chars);
    if (utf16_) {
        units.append(units_, copied);
        units_ = std::move(units);
    }
}

std::string IniText::Encoded() const {
    if (!utf16_) {
        return chars_;
    }
    std::string bytes(kUtf16Mark);
    bytes.reserve(kUtf16Mark.size() + units_.size() * 2 + oddByte_.size());
    for (const char16_t unit : units_) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    bytes += oddByte_;
    return bytes;
}

} // namespace karusello::ini

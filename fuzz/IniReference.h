#pragma once

// A reference reader of INI files for the INI engine's fuzz target, written apart from the
// engine and kept plain: the file decoded into code points, cut into lines, each line looked at
// on its own. It reads as the Windows profile functions (ANSI forms) read:
// - UTF-16 little-endian after its byte-order mark (a surrogate pair is one character, an odd
//   last byte none), else Windows-1252.
// - Lines end with CR LF, LF or CR. Blanks and tabs around lines, names and values do not count.
// - ";" starts a comment line. "[" starts a header; its name ends at the first "]" or at the
//   line's end. A line with "=" is an entry; other lines belong to the section's listing.
// - Only the first section of a name counts, and in it the first entry of a key.
// - Names compare without regard to case (ASCII and the letters of Windows-1252).
// - Names from a caller end at a NUL and lose the spaces around them, not tabs; a default ends at
//   a NUL and loses its trailing spaces.
// - What is handed out is Windows-1252: "?" for a character it cannot hold; a value ends at a
//   NUL and loses one pair of matching quotes.

#include "core/text/Windows1252.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace karusello::fuzz {

using Text = std::u32string;

inline bool StartsUtf16(std::string_view bytes) {
    return bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE';
}

inline Text Decode(std::string_view bytes) {
    Text text;
    if (!StartsUtf16(bytes)) {
        for (const char c : bytes) {
            text += cp1252::CodePointOf(static_cast<unsigned char>(c));
        }
        return text;
    }
    std::vector<char32_t> units;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        units.push_back(static_cast<unsigned char>(bytes[i]) |
                        static_cast<unsigned char>(bytes[i + 1]) << 8);
    }
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char32_t u = units[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            text += 0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        } else {
            text += u;
        }
    }
    return text;
}

inline std::string Narrow(const Text& text) {
    std::string out;
    for (const char32_t c : text) {
        out += static_cast<char>(cp1252::ByteOf(c).value_or('?'));
    }
    return out;
}

inline Text Widen(std::string_view bytes) {
    Text text;
    for (const char c : bytes) {
        text += cp1252::CodePointOf(static_cast<unsigned char>(c));
    }
    return text;
}

template <typename String>
String Trim(String text, std::basic_string_view<typename String::value_type> set) {
    const auto first = text.find_first_not_of(set.data(), 0, set.size());
    if (first == String::npos) {
        return String();
    }
    const auto last = text.find_last_not_of(set.data(), String::npos, set.size());
    return text.substr(first, last - first + 1);
}

inline Text TrimBlanks(const Text& text) {
    return Trim(text, std::u32string_view(U" \t"));
}

template <typename String> String UpToNul(const String& text) {
    return text.substr(0, text.find(typename String::value_type(0)));
}

inline char32_t Fold(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return c + 0x20;
    }
    switch (c) {
    case 0x160:
    case 0x152:
    case 0x17D:
        return c + 1;
    case 0x178:
        return 0xFF;
    default:
        return c;
    }
}

inline bool Same(const Text& a, const Text& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Fold(a[i]) != Fold(b[i])) {
            return false;
        }
    }
    return true;
}

// A name as a caller gives it, as the functions take it.
inline Text CallerName(std::string_view name) {
    return Widen(Trim(UpToNul(std::string(name)), std::string_view(" ")));
}

inline std::string Unquoted(std::string value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

struct RefLine {
    enum class Kind { Skipped, Header, Entry, Other } kind = Kind::Skipped;
    Text name;
    Text value;
    Text whole;
};

class ReferenceIni {
public:
    explicit ReferenceIni(std::string_view bytes) : text_(Decode(bytes)) {
        std::size_t begin = 0;
        while (begin < text_.size()) {
            std::size_t end = begin;
            while (end < text_.size() && text_[end] != '\r' && text_[end] != '\n') {
                ++end;
            }
            lines_.push_back(Classify(text_.substr(begin, end - begin)));
            if (end + 1 < text_.size() && text_[end] == '\r' && text_[end + 1] == '\n') {
                ++end;
            }
            begin = end + 1;
        }
    }

    const Text& Characters() const { return text_; }

    // Every section and key name, in file order, the same name once.
    std::vector<std::pair<Text, Text>> Names() const {
        std::vector<std::pair<Text, Text>> names;
        std::optional<Text> section;
        for (const RefLine& line : lines_) {
            if (line.kind == RefLine::Kind::Header) {
                section = line.name;
                Add(names, {*section, Text()});
            } else if (line.kind == RefLine::Kind::Entry && section) {
                Add(names, {*section, line.name});
            }
        }
        return names;
    }

    std::optional<std::string> Value(const Text& section, const Text& key) const {
        const auto lines = SectionLines(section);
        if (!lines) {
            return std::nullopt;
        }
        for (const RefLine* line : *lines) {
            if (line->kind == RefLine::Kind::Entry && Same(line->name, key)) {
                return Unquoted(UpToNul(Narrow(line->value)));
            }
        }
        return std::nullopt;
    }

    // What GetPrivateProfileString hands out.
    std::string Read(std::string_view section, std::string_view key,
                     std::string_view defaultText) const {
        if (const auto value = Value(CallerName(section), CallerName(key))) {
            return *value;
        }
        std::string text = UpToNul(std::string(defaultText));
        return text.substr(0, text.find_last_not_of(' ') + 1);
    }

    // What GetPrivateProfileSection hands out, without the NULs.
    std::vector<std::string> Listing(const Text& section) const {
        std::vector<std::string> listing;
        const auto lines = SectionLines(section);
        if (!lines) {
            return listing;
        }
        for (const RefLine* line : *lines) {
            std::string text;
            if (line->kind == RefLine::Kind::Entry) {
                text = Narrow(line->name) + "=" + Narrow(line->value);
            } else if (line->kind == RefLine::Kind::Other) {
                text = Narrow(line->whole);
            }
            text = UpToNul(text);
            if (!text.empty()) {
                listing.push_back(text);
            }
        }
        return listing;
    }

private:
    static RefLine Classify(const Text& raw) {
        RefLine line;
        line.whole = TrimBlanks(raw);
        const Text& t = line.whole;
        if (t.empty() || t[0] == ';') {
            return line;
        }
        if (t[0] == '[') {
            line.kind = RefLine::Kind::Header;
            const auto close = t.find(']');
            line.name = TrimBlanks(close == Text::npos ? t.substr(1) : t.substr(1, close - 1));
        } else if (const auto eq = t.find('='); eq != Text::npos) {
            line.kind = RefLine::Kind::Entry;
            line.name = TrimBlanks(t.substr(0, eq));
            line.value = TrimBlanks(t.substr(eq + 1));
        } else {
            line.kind = RefLine::Kind::Other;
        }
        return line;
    }

    static void Add(std::vector<std::pair<Text, Text>>& names, std::pair<Text, Text> name) {
        for (const auto& known : names) {
            if (known == name) {
                return;
            }
        }
        names.push_back(std::move(name));
    }

    std::optional<std::vector<const RefLine*>> SectionLines(const Text& section) const {
        std::size_t i = 0;
        while (i < lines_.size() &&
               !(lines_[i].kind == RefLine::Kind::Header && Same(lines_[i].name, section))) {
            ++i;
        }
        if (i == lines_.size()) {
            return std::nullopt;
        }
        std::vector<const RefLine*> lines;
        for (++i; i < lines_.size() && lines_[i].kind != RefLine::Kind::Header; ++i) {
            lines.push_back(&lines_[i]);
        }
        return lines;
    }

    Text text_;
    std::vector<RefLine> lines_;
};

// Whether a write of these texts can be made so that they read back: no line break or NUL, a
// section name without "]", a key that is not empty, has no "=" and does not start with ";" or
// "[", and names without a tab at their ends once their spaces are gone.
inline bool Storable(std::string_view section, std::string_view key,
                     std::optional<std::string_view> value) {
    const std::string_view breaks("\r\n\0", 3);
    if (section.find_first_of(breaks) != std::string_view::npos ||
        key.find_first_of(breaks) != std::string_view::npos ||
        (value && value->find_first_of(breaks) != std::string_view::npos)) {
        return false;
    }
    const std::string s = Trim(std::string(section), std::string_view(" "));
    const std::string k = Trim(std::string(key), std::string_view(" "));
    const auto tabAtEnd = [](const std::string& name) {
        return !name.empty() && (name.front() == '\t' || name.back() == '\t');
    };
    return s.find(']') == std::string::npos && !tabAtEnd(s) && !k.empty() && !tabAtEnd(k) &&
           k.find('=') == std::string::npos && k[0] != ';' && k[0] != '[';
}

} // namespace karusello::fuzz

#include "linux/system/IniLines.h"

#include <algorithm>

namespace karusello::ini {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Lower case of a Windows-1252 byte: ASCII letters, the accented letters 0xC0..0xDE (without the
// multiplication sign) and the four letters of the 0x80 row that have a lower-case partner.
unsigned char FoldCase(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    switch (c) {
    case 0x8A: // S caron
    case 0x8C: // OE
    case 0x8E: // Z caron
        return static_cast<unsigned char>(c + 0x10);
    case 0x9F: // Y diaeresis
        return 0xFF;
    default:
        return c;
    }
}

IniLine ClassifyLine(std::string_view bytes, std::size_t begin, std::size_t end) {
    IniLine line;
    line.begin = begin;
    line.end = end;
    line.trimmed = TrimBlanks(bytes.substr(begin, end - begin));
    const std::string_view t = line.trimmed;
    if (t.empty()) {
        line.kind = IniLine::Kind::Blank;
    } else if (t.front() == ';') {
        line.kind = IniLine::Kind::Comment;
    } else if (t.front() == '[') {
        // Without a "]" the name runs to the end of the line, as Windows reads it.
        line.kind = IniLine::Kind::Header;
        const std::string_view name = t.substr(1);
        line.name = TrimBlanks(name.substr(0, name.find(']')));
    } else if (const auto eq = t.find('='); eq != std::string_view::npos) {
        line.kind = IniLine::Kind::Entry;
        line.equals = static_cast<std::size_t>(t.data() - bytes.data()) + eq;
        line.name = TrimBlanks(t.substr(0, eq));
        line.value = TrimBlanks(t.substr(eq + 1));
    } else {
        line.kind = IniLine::Kind::Text;
    }
    return line;
}

} // namespace

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string_view UpToNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

bool NamesEqual(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return FoldCase(static_cast<unsigned char>(x)) == FoldCase(static_cast<unsigned char>(y));
    });
}

std::vector<IniLine> SplitIniLines(std::string_view bytes) {
    std::vector<IniLine> lines;
    std::size_t begin = 0;
    while (begin < bytes.size()) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", begin), bytes.size());
        IniLine line = ClassifyLine(bytes, begin, end);
        std::size_t next = end;
        if (next < bytes.size()) {
            const bool crlf =
                bytes[next] == '\r' && next + 1 < bytes.size() && bytes[next + 1] == '\n';
            next += crlf ? 2 : 1;
        }
        line.next = next;
        lines.push_back(line);
        begin = next;
    }
    return lines;
}

std::optional<SectionLines> FindSection(const std::vector<IniLine>& lines, std::string_view name) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == IniLine::Kind::Header && NamesEqual(lines[i].name, name)) {
            SectionLines section{i, i + 1, i + 1};
            while (section.end < lines.size() && lines[section.end].kind != IniLine::Kind::Header) {
                ++section.end;
            }
            return section;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<IniLine>& lines, const SectionLines& section,
                                   std::string_view key) {
    for (std::size_t i = section.first; i < section.end; ++i) {
        if (lines[i].kind == IniLine::Kind::Entry && NamesEqual(lines[i].name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace karusello::ini

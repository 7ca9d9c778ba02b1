#include "linux/system/IniEdit.h"

#include "linux/system/IniLines.h"

namespace karusello::ini {
namespace {

constexpr std::string_view kNewLine = "\r\n";

using Edits = std::vector<TextEdit>;

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool HasTabAtAnEnd(std::string_view name) {
    return !name.empty() && (name.front() == '\t' || name.back() == '\t');
}

bool IsContent(const IniLine& line) {
    return line.kind != IniLine::Kind::Blank && line.kind != IniLine::Kind::Comment;
}

// A line that ends the file without a line end; whatever changes it or follows it gives it one.
bool LacksLineEnd(const IniLine& line) {
    return line.next == line.end;
}

bool EndsWithLineBreak(std::string_view chars) {
    return !chars.empty() && (chars.back() == '\n' || chars.back() == '\r');
}

std::string EntryLine(std::string_view key, std::string_view value) {
    std::string line(key);
    line += '=';
    line += value;
    line += kNewLine;
    return line;
}

Edits AppendSection(std::string_view chars, std::string_view section, std::string_view key,
                    std::string_view value) {
    std::string text;
    if (!chars.empty() && !EndsWithLineBreak(chars)) {
        text += kNewLine;
    }
    text += '[';
    text += section;
    text += ']';
    text += kNewLine;
    text += EntryLine(key, value);
    return {{chars.size(), chars.size(), std::move(text)}};
}

// Inserts the new entry after the section's last content line (or its header).
Edits InsertEntry(const std::vector<IniLine>& lines, const SectionLines& section,
                  std::string_view key, std::string_view value) {
    std::size_t anchor = section.header;
    for (std::size_t i = section.first; i < section.end; ++i) {
        if (IsContent(lines[i])) {
            anchor = i;
        }
    }
    const IniLine& after = lines[anchor];
    std::string text = LacksLineEnd(after) ? std::string(kNewLine) : std::string();
    text += EntryLine(key, value);
    return {{after.next, after.next, std::move(text)}};
}

// Replaces the value itself: the key, the blanks around the "=" and behind the value and the line
// end stay as they were. An empty old value gives way from the "=" to the end of the line.
std::optional<Edits> ReplaceValue(std::string_view chars, const IniLine& line,
                                  std::string_view value) {
    std::size_t from = line.equals + 1;
    std::size_t to = line.end;
    if (!line.value.empty()) {
        from = static_cast<std::size_t>(line.value.data() - chars.data());
        to = from + line.value.size();
    }
    if (chars.substr(from, to - from) == value) {
        return std::nullopt;
    }
    Edits edits{{from, to, std::string(value)}};
    if (LacksLineEnd(line)) {
        edits.push_back({line.end, line.end, std::string(kNewLine)});
    }
    return edits;
}

std::optional<Edits> RemoveKey(const std::vector<IniLine>& lines, const SectionLines& section,
                               std::string_view key) {
    Edits edits;
    for (std::size_t i = section.first; i < section.end; ++i) {
        const IniLine& line = lines[i];
        if (line.kind == IniLine::Kind::Entry && NamesEqual(line.name, key)) {
            edits.push_back({line.begin, line.next, {}});
        }
    }
    if (edits.empty()) {
        return std::nullopt;
    }
    return edits;
}

} // namespace

bool IsStorable(std::string_view section, std::string_view key,
                std::optional<std::string_view> value) {
    if (HasLineBreakOrNul(section) || HasLineBreakOrNul(key) ||
        (value && HasLineBreakOrNul(*value))) {
        return false;
    }
    section = TrimSpaces(section);
    key = TrimSpaces(key);
    return section.find(']') == std::string_view::npos && !HasTabAtAnEnd(section) && !key.empty() &&
           !HasTabAtAnEnd(key) && key.find('=') == std::string_view::npos && key.front() != ';' &&
           key.front() != '[';
}

std::optional<std::vector<TextEdit>> WriteEdits(std::string_view chars, std::string_view section,
                                                std::string_view key,
                                                std::optional<std::string_view> value) {
    if (!IsStorable(section, key, value)) {
        return std::nullopt;
    }
    section = TrimSpaces(section);
    key = TrimSpaces(key);
    const std::vector<IniLine> lines = SplitIniLines(chars);
    const auto found = FindSection(lines, section);
    if (!found) {
        return value ? std::optional(AppendSection(chars, section, key, *value)) : std::nullopt;
    }
    if (!value) {
        return RemoveKey(lines, *found, key);
    }
    if (const auto entry = FindKey(lines, *found, key)) {
        return ReplaceValue(chars, lines[*entry], *value);
    }
    return InsertEntry(lines, *found, key, *value);
}

} // namespace karusello::ini

#include "posix/IniEdit.h"

#include "posix/IniLines.h"

namespace karusello::ini {
namespace {

constexpr std::string_view kNewLine = "\r\n";

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

bool EndsWithLineBreak(std::string_view bytes) {
    return !bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r');
}

std::string EntryLine(std::string_view key, std::string_view value) {
    std::string line(key);
    line += '=';
    line += value;
    line += kNewLine;
    return line;
}

std::string AppendSection(std::string_view bytes, std::string_view section, std::string_view key,
                          std::string_view value) {
    std::string out(bytes);
    if (!out.empty() && !EndsWithLineBreak(out)) {
        out += kNewLine;
    }
    out += '[';
    out += section;
    out += ']';
    out += kNewLine;
    out += EntryLine(key, value);
    return out;
}

// Inserts the new entry after the section's last content line (or its header).
std::string InsertEntry(std::string_view bytes, const std::vector<IniLine>& lines,
                        const SectionLines& section, std::string_view key, std::string_view value) {
    std::size_t anchor = section.header;
    for (std::size_t i = section.first; i < section.end; ++i) {
        if (IsContent(lines[i])) {
            anchor = i;
        }
    }
    const IniLine& after = lines[anchor];
    std::string out(bytes.substr(0, after.next));
    if (LacksLineEnd(after)) {
        out += kNewLine;
    }
    out += EntryLine(key, value);
    out += bytes.substr(after.next);
    return out;
}

// Replaces the value itself: the key, the blanks around the "=" and behind the value and the line
// end stay as they were. An empty old value gives way from the "=" to the end of the line.
std::optional<std::string> ReplaceValue(std::string_view bytes, const IniLine& line,
                                        std::string_view value) {
    std::size_t from = line.equals + 1;
    std::size_t to = line.end;
    if (!line.value.empty()) {
        from = static_cast<std::size_t>(line.value.data() - bytes.data());
        to = from + line.value.size();
    }
    if (bytes.substr(from, to - from) == value) {
        return std::nullopt;
    }
    std::string out(bytes.substr(0, from));
    out += value;
    out += bytes.substr(to);
    if (LacksLineEnd(line)) {
        out += kNewLine;
    }
    return out;
}

std::optional<std::string> RemoveKey(std::string_view bytes, const std::vector<IniLine>& lines,
                                     const SectionLines& section, std::string_view key) {
    std::string out;
    std::size_t copied = 0;
    for (std::size_t i = section.first; i < section.end; ++i) {
        const IniLine& line = lines[i];
        if (line.kind == IniLine::Kind::Entry && NamesEqual(line.name, key)) {
            out += bytes.substr(copied, line.begin - copied);
            copied = line.next;
        }
    }
    if (copied == 0) {
        return std::nullopt;
    }
    out += bytes.substr(copied);
    return out;
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

std::optional<std::string> EditedIni(std::string_view bytes, std::string_view section,
                                     std::string_view key, std::optional<std::string_view> value) {
    if (!IsStorable(section, key, value)) {
        return std::nullopt;
    }
    section = TrimSpaces(section);
    key = TrimSpaces(key);
    const std::vector<IniLine> lines = SplitIniLines(bytes);
    const auto found = FindSection(lines, section);
    if (!found) {
        return value ? std::optional(AppendSection(bytes, section, key, *value)) : std::nullopt;
    }
    if (!value) {
        return RemoveKey(bytes, lines, *found, key);
    }
    if (const auto entry = FindKey(lines, *found, key)) {
        return ReplaceValue(bytes, lines[*entry], *value);
    }
    return InsertEntry(bytes, lines, *found, key, *value);
}

} // namespace karusello::ini

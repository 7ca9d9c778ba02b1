#include "linux/system/IniEngine.h"

#include "linux/system/AtomicFile.h"
#include "linux/system/FileBytes.h"
#include "linux/system/IniEdit.h"
#include "linux/system/IniLines.h"
#include "linux/system/IniText.h"

#include <algorithm>
#include <vector>

namespace karusello::ini {
namespace {

// One pair of matching double or single quotes around a value is no part of it.
std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// The key's value as the functions hand it out: cut at a NUL, as a C string would end there,
// and without one pair of matching quotes.
std::optional<std::string> FindValue(const IniText& text, std::string_view section,
                                     std::string_view key) {
    const std::vector<IniLine> lines = SplitIniLines(text.Chars());
    const auto found = FindSection(lines, section);
    if (!found) {
        return std::nullopt;
    }
    const auto entry = FindKey(lines, *found, key);
    if (!entry) {
        return std::nullopt;
    }
    const std::string value = text.Narrow(lines[*entry].value);
    return std::string(Unquoted(UpToNul(value)));
}

// The section's lines as the listing gives them, each followed by a NUL.
std::string SectionListing(const IniText& text, std::string_view section) {
    std::string listing;
    const std::vector<IniLine> lines = SplitIniLines(text.Chars());
    const auto found = FindSection(lines, section);
    if (!found) {
        return listing;
    }
    for (std::size_t i = found->first; i < found->end; ++i) {
        const IniLine& line = lines[i];
        std::string entry;
        if (line.kind == IniLine::Kind::Entry) {
            entry = text.Narrow(line.name) + '=' + text.Narrow(line.value);
        } else if (line.kind == IniLine::Kind::Text) {
            entry = text.Narrow(line.trimmed);
        }
        entry.resize(UpToNul(entry).size());
        if (!entry.empty()) {
            listing.append(entry).push_back('\0');
        }
    }
    return listing;
}

std::size_t CopyCut(std::string_view text, std::span<char> buffer) {
    const std::size_t count = std::min(text.size(), buffer.size() - 1);
    std::copy_n(text.data(), count, buffer.data());
    buffer[count] = '\0';
    return count;
}

// A name as the Windows functions take it: a C string, spaces around it ignored (a tab counts).
std::string_view CleanName(std::string_view name) {
    return TrimSpaces(UpToNul(name));
}

// The default text as the Windows functions take it: a C string without trailing spaces.
std::string_view CleanDefault(std::string_view text) {
    text = UpToNul(text);
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

IniText ReadIniText(const std::string& path) {
    return IniText(ReadFileBytes(path).bytes);
}

} // namespace

std::size_t GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::optional<std::string_view> defaultText,
                                    std::span<char> buffer, const std::string& path) {
    if (buffer.empty()) {
        return 0;
    }
    const auto value = FindValue(ReadIniText(path), CleanName(section), CleanName(key));
    if (value) {
        return CopyCut(*value, buffer);
    }
    return CopyCut(defaultText ? CleanDefault(*defaultText) : std::string_view(), buffer);
}

std::size_t GetPrivateProfileSection(std::string_view section, std::span<char> buffer,
                                     const std::string& path) {
    if (buffer.empty()) {
        return 0;
    }
    const std::string listing = SectionListing(ReadIniText(path), CleanName(section));
    if (listing.size() + 1 <= buffer.size()) {
        std::copy(listing.begin(), listing.end(), buffer.begin());
        buffer[listing.size()] = '\0';
        if (listing.empty() && buffer.size() > 1) {
            buffer[1] = '\0';
        }
        return listing.size();
    }
    if (buffer.size() < 2) {
        buffer[0] = '\0';
        return 0;
    }
    const std::size_t count = buffer.size() - 2;
    std::copy_n(listing.begin(), count, buffer.begin());
    buffer[count] = '\0';
    buffer[count + 1] = '\0';
    return count;
}

bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::optional<std::string_view> value, const std::string& path) {
    // Refused before the file is read, so that no edit below means: nothing to change.
    if (!IsStorable(section, key, value)) {
        return false;
    }
    FileBytes file = ReadFileBytes(path);
    if (file.status == FileBytes::Status::Failed) {
        return false;
    }
    IniText text(std::move(file.bytes));
    const auto edits = WriteEdits(text.Chars(), section, key, value);
    if (!edits) {
        return true;
    }
    text.Apply(*edits);
    return ReplaceFileAtomically(path, text.Encoded());
}

bool WritePrivateProfileStrings(std::span<const ProfileWrite> writes, const std::string& path) {
    FileBytes file = ReadFileBytes(path);
    if (file.status == FileBytes::Status::Failed) {
        return false;
    }
    IniText text(std::move(file.bytes));
    bool changed = false;
    for (const ProfileWrite& write : writes) {
        if (const auto edits = WriteEdits(text.Chars(), write.section, write.key, write.value)) {
            text.Apply(*edits);
            changed = true;
        }
    }
    return !changed || ReplaceFileAtomically(path, text.Encoded());
}

} // namespace karusello::ini

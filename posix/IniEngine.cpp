#include "os/ProfileFunctions.h"

#include "posix/AtomicFile.h"
#include "posix/FileBytes.h"
#include "posix/IniEdit.h"
#include "posix/IniLines.h"

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

std::optional<std::string_view> FindValue(const std::vector<IniLine>& lines,
                                          std::string_view section, std::string_view key) {
    const auto found = FindSection(lines, section);
    if (!found) {
        return std::nullopt;
    }
    const auto entry = FindKey(lines, *found, key);
    if (!entry) {
        return std::nullopt;
    }
    return Unquoted(UpToNul(lines[*entry].value));
}

// The section's lines as the listing gives them, each followed by a NUL.
std::string SectionListing(const std::vector<IniLine>& lines, std::string_view section) {
    std::string listing;
    const auto found = FindSection(lines, section);
    if (!found) {
        return listing;
    }
    for (std::size_t i = found->first; i < found->end; ++i) {
        const IniLine& line = lines[i];
        std::string text;
        if (line.kind == IniLine::Kind::Entry) {
            text.append(line.name).append("=").append(line.value);
        } else if (line.kind == IniLine::Kind::Text) {
            text.assign(line.trimmed);
        }
        text.resize(UpToNul(text).size());
        if (!text.empty()) {
            listing.append(text).push_back('\0');
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

} // namespace

std::size_t GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::optional<std::string_view> defaultText,
                                    std::span<char> buffer, const std::string& path) {
    if (buffer.empty()) {
        return 0;
    }
    const FileBytes file = ReadFileBytes(path);
    const std::vector<IniLine> lines = SplitIniLines(file.bytes);
    const auto value = FindValue(lines, CleanName(section), CleanName(key));
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
    const FileBytes file = ReadFileBytes(path);
    const std::string listing = SectionListing(SplitIniLines(file.bytes), CleanName(section));
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
    const FileBytes file = ReadFileBytes(path);
    if (file.status == FileBytes::Status::Failed) {
        return false;
    }
    const auto edited = EditedIni(file.bytes, section, key, value);
    return !edited || ReplaceFileAtomically(path, *edited);
}

bool WritePrivateProfileStrings(std::span<const ProfileWrite> writes, const std::string& path) {
    const FileBytes file = ReadFileBytes(path);
    if (file.status == FileBytes::Status::Failed) {
        return false;
    }
    std::string content = file.bytes;
    bool changed = false;
    for (const ProfileWrite& write : writes) {
        if (auto edited = EditedIni(content, write.section, write.key, write.value)) {
            content = std::move(*edited);
            changed = true;
        }
    }
    return !changed || ReplaceFileAtomically(path, content);
}

} // namespace karusello::ini

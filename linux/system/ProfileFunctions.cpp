// The profile functions on Linux: the program's UTF-8 through our INI engine, whose files hold
// Windows-1252 text as the host's do on a Western Windows.
#include "core/os/ProfileFunctions.h"

#include "core/text/Cp1252.h"
#include "linux/system/IniEngine.h"

#include <vector>

namespace karusello::profile {

namespace {

std::optional<std::string> Narrow(const std::optional<std::string_view>& text) {
    return text ? std::optional(Utf8ToCp1252(*text)) : std::nullopt;
}

} // namespace

std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::optional<std::string_view> defaultText,
                                    std::size_t bufferSize, const std::string& path) {
    std::string buffer(bufferSize, '\0');
    const std::optional<std::string> narrowDefault = Narrow(defaultText);
    buffer.resize(ini::GetPrivateProfileString(
        Utf8ToCp1252(section), Utf8ToCp1252(key),
        narrowDefault ? std::optional<std::string_view>(*narrowDefault) : std::nullopt, buffer,
        path));
    return Cp1252ToUtf8(buffer);
}

std::string GetPrivateProfileSection(std::string_view section, std::size_t bufferSize,
                                     const std::string& path) {
    std::string buffer(bufferSize, '\0');
    buffer.resize(ini::GetPrivateProfileSection(Utf8ToCp1252(section), buffer, path));
    return Cp1252ToUtf8(buffer);
}

bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::optional<std::string_view> value, const std::string& path) {
    const std::optional<std::string> narrowValue = Narrow(value);
    return ini::WritePrivateProfileString(
        Utf8ToCp1252(section), Utf8ToCp1252(key),
        narrowValue ? std::optional<std::string_view>(*narrowValue) : std::nullopt, path);
}

bool WritePrivateProfileStrings(std::span<const ProfileWrite> writes, const std::string& path) {
    std::vector<ini::ProfileWrite> narrow;
    narrow.reserve(writes.size());
    for (const ProfileWrite& write : writes) {
        const std::optional<std::string_view> value =
            write.value ? std::optional<std::string_view>(*write.value) : std::nullopt;
        narrow.push_back({Utf8ToCp1252(write.section), Utf8ToCp1252(write.key), Narrow(value)});
    }
    return ini::WritePrivateProfileStrings(narrow, path);
}

} // namespace karusello::profile

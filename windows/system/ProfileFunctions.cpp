// The profile functions are the system's own: the host reads and writes its INI file with them,
// so no reading or writing of ours can differ from the host's.
#include "core/os/ProfileFunctions.h"

#include "windows/system/Utf16.h"

#include <windows.h>

// windows.h names the A or W forms through macros of the same names as ours.
#undef GetPrivateProfileString
#undef GetPrivateProfileSection
#undef WritePrivateProfileString

namespace karusello::ini {

namespace {

// A name or value as the ...A functions take it: the text up to a NUL, NUL-terminated.
std::string CText(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

// The path in the ANSI code page; a path that cannot be written there names no file that the
// ...A functions could open, so reads give their defaults and writes do not happen.
bool AnsiPath(const std::string& path, std::string& ansi) {
    return path.find('\0') == std::string::npos && win32::AnsiFromUtf8(path, ansi);
}

DWORD BufferSize(std::span<char> buffer) {
    return buffer.size() > MAXDWORD ? MAXDWORD : static_cast<DWORD>(buffer.size());
}

std::size_t CopyDefault(std::optional<std::string_view> defaultText, std::span<char> buffer) {
    if (buffer.empty()) {
        return 0;
    }
    const std::string text = defaultText ? CText(*defaultText) : std::string();
    const std::size_t count = std::min(text.size(), buffer.size() - 1);
    text.copy(buffer.data(), count);
    buffer[count] = '\0';
    return count;
}

} // namespace

std::size_t GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::optional<std::string_view> defaultText,
                                    std::span<char> buffer, const std::string& path) {
    std::string file;
    if (!AnsiPath(path, file)) {
        return CopyDefault(defaultText, buffer);
    }
    const std::string sectionText = CText(section);
    const std::string keyText = CText(key);
    const std::string defaultCText = defaultText ? CText(*defaultText) : std::string();
    return ::GetPrivateProfileStringA(sectionText.c_str(), keyText.c_str(),
                                      defaultText ? defaultCText.c_str() : nullptr, buffer.data(),
                                      BufferSize(buffer), file.c_str());
}

std::size_t GetPrivateProfileSection(std::string_view section, std::span<char> buffer,
                                     const std::string& path) {
    std::string file;
    if (!AnsiPath(path, file)) {
        if (buffer.size() >= 2) {
            buffer[0] = buffer[1] = '\0';
        }
        return 0;
    }
    const std::string sectionText = CText(section);
    return ::GetPrivateProfileSectionA(sectionText.c_str(), buffer.data(), BufferSize(buffer),
                                       file.c_str());
}

bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::optional<std::string_view> value, const std::string& path) {
    std::string file;
    if (!AnsiPath(path, file)) {
        return false;
    }
    const std::string sectionText = CText(section);
    const std::string keyText = CText(key);
    const std::string valueText = value ? CText(*value) : std::string();
    return ::WritePrivateProfileStringA(sectionText.c_str(), keyText.c_str(),
                                        value ? valueText.c_str() : nullptr, file.c_str()) != 0;
}

// The system has no call that writes several keys at once: they are written one after the
// other, in order, as the host itself writes its keys.
bool WritePrivateProfileStrings(std::span<const ProfileWrite> writes, const std::string& path) {
    bool any = false;
    for (const ProfileWrite& write : writes) {
        const auto value =
            write.value ? std::optional<std::string_view>(*write.value) : std::nullopt;
        any = WritePrivateProfileString(write.section, write.key, value, path) || any;
    }
    return any;
}

} // namespace karusello::ini

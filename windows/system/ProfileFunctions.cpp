// The profile functions are the system's own: the host reads and writes its INI file with them,
// so no reading or writing of ours can differ from the host's. Their Unicode forms are called:
// a path, a name or a value then reaches the system whole, whatever letters it has (an ANSI path
// cannot name a folder whose letters the system's code page lacks, and a value read in that code
// page would lose them), and the system still reads and writes the file in its ANSI code page,
// as the host does.
#include "core/os/ProfileFunctions.h"

#include "windows/system/Utf16.h"

#include <windows.h>

// windows.h names the A or W forms through macros of the same names as ours.
#undef GetPrivateProfileString
#undef GetPrivateProfileSection
#undef WritePrivateProfileString

namespace karusello::profile {

namespace {

// A name or value of the interface (UTF-8, up to a NUL) as the ...W functions take it.
std::wstring WideText(std::string_view text) {
    return win32::WideFromUtf8(text.substr(0, text.find('\0')));
}

// The path as the ...W functions take it; none for a path that cannot name a file.
bool WidePath(const std::string& path, std::wstring& wide) {
    if (path.find('\0') != std::string::npos) {
        return false;
    }
    wide = win32::WideFromUtf8(path);
    return true;
}

DWORD BufferSize(std::size_t size) {
    return size > MAXDWORD ? MAXDWORD : static_cast<DWORD>(size);
}

std::string DefaultCut(std::optional<std::string_view> defaultText, std::size_t bufferSize) {
    if (!defaultText || bufferSize == 0) {
        return {};
    }
    const std::wstring wide = WideText(*defaultText);
    return win32::Utf8FromWide(std::wstring_view(wide).substr(0, bufferSize - 1));
}

} // namespace

std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::optional<std::string_view> defaultText,
                                    std::size_t bufferSize, const std::string& path) {
    std::wstring file;
    if (bufferSize == 0 || !WidePath(path, file)) {
        return DefaultCut(defaultText, bufferSize);
    }
    const std::wstring sectionText = WideText(section);
    const std::wstring keyText = WideText(key);
    const std::wstring defaultWide = defaultText ? WideText(*defaultText) : std::wstring();
    std::wstring value(bufferSize, L'\0');
    const DWORD count = ::GetPrivateProfileStringW(
        sectionText.c_str(), keyText.c_str(), defaultText ? defaultWide.c_str() : nullptr,
        value.data(), BufferSize(value.size()), file.c_str());
    return win32::Utf8FromWide(std::wstring_view(value).substr(0, count));
}

std::string GetPrivateProfileSection(std::string_view section, std::size_t bufferSize,
                                     const std::string& path) {
    std::wstring file;
    if (bufferSize < 2 || !WidePath(path, file)) {
        return {};
    }
    const std::wstring sectionText = WideText(section);
    std::wstring lines(bufferSize, L'\0');
    const DWORD count = ::GetPrivateProfileSectionW(sectionText.c_str(), lines.data(),
                                                    BufferSize(lines.size()), file.c_str());
    // The lines with the NUL after each; the listing's closing NUL is not counted.
    return win32::Utf8FromWide(std::wstring_view(lines).substr(0, count));
}

bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::optional<std::string_view> value, const std::string& path) {
    std::wstring file;
    if (!WidePath(path, file)) {
        return false;
    }
    const std::wstring sectionText = WideText(section);
    const std::wstring keyText = WideText(key);
    const std::wstring valueText = value ? WideText(*value) : std::wstring();
    return ::WritePrivateProfileStringW(sectionText.c_str(), keyText.c_str(),
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

} // namespace karusello::profile

// The profile functions are the system's own: the host reads and writes its INI file with them,
// so no reading or writing of ours can differ from the host's. Their Unicode forms are called:
// the path then reaches the system whole, whatever letters the host's folder has (an ANSI path
// cannot name a folder whose letters the system's code page lacks), and the system still reads
// and writes the file in its ANSI code page, as the host does.
#include "core/os/ProfileFunctions.h"

#include "windows/system/Utf16.h"

#include <windows.h>

#include <algorithm>
#include <climits>

// windows.h names the A or W forms through macros of the same names as ours.
#undef GetPrivateProfileString
#undef GetPrivateProfileSection
#undef WritePrivateProfileString

namespace karusello::ini {

namespace {

constexpr UINT kWindows1252 = 1252;

int Length(std::size_t size) {
    return size > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(size);
}

// A name or value of the interface (Windows-1252 bytes, up to a NUL) as the ...W functions
// take it.
std::wstring WideText(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    if (text.empty()) {
        return {};
    }
    const int length = Length(text.size());
    const int needed = ::MultiByteToWideChar(kWindows1252, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    ::MultiByteToWideChar(kWindows1252, 0, text.data(), length, wide.data(), needed);
    return wide;
}

// Text that the ...W functions gave, NULs included, as Windows-1252 bytes into the buffer;
// a character that Windows-1252 lacks becomes "?". Returns the number of bytes, never more than
// the text has characters.
std::size_t CopyAsWindows1252(std::wstring_view text, std::span<char> buffer) {
    if (text.empty()) {
        return 0;
    }
    const int written = ::WideCharToMultiByte(kWindows1252, 0, text.data(), Length(text.size()),
                                              buffer.data(), Length(buffer.size()), "?", nullptr);
    return written > 0 ? static_cast<std::size_t>(written) : 0;
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

std::size_t CopyDefault(std::optional<std::string_view> defaultText, std::span<char> buffer) {
    if (buffer.empty()) {
        return 0;
    }
    const std::string_view text =
        defaultText ? defaultText->substr(0, defaultText->find('\0')) : std::string_view();
    const std::size_t count = std::min(text.size(), buffer.size() - 1);
    text.copy(buffer.data(), count);
    buffer[count] = '\0';
    return count;
}

} // namespace

std::size_t GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::optional<std::string_view> defaultText,
                                    std::span<char> buffer, const std::string& path) {
    std::wstring file;
    if (buffer.empty() || !WidePath(path, file)) {
        return CopyDefault(defaultText, buffer);
    }
    const std::wstring sectionText = WideText(section);
    const std::wstring keyText = WideText(key);
    const std::wstring defaultWide = defaultText ? WideText(*defaultText) : std::wstring();
    std::wstring value(buffer.size(), L'\0');
    const DWORD count = ::GetPrivateProfileStringW(
        sectionText.c_str(), keyText.c_str(), defaultText ? defaultWide.c_str() : nullptr,
        value.data(), BufferSize(value.size()), file.c_str());
    const std::size_t copied = CopyAsWindows1252(std::wstring_view(value).substr(0, count),
                                                 buffer.first(buffer.size() - 1));
    buffer[copied] = '\0';
    return copied;
}

std::size_t GetPrivateProfileSection(std::string_view section, std::span<char> buffer,
                                     const std::string& path) {
    std::wstring file;
    if (buffer.size() < 2 || !WidePath(path, file)) {
        if (buffer.size() >= 2) {
            buffer[0] = buffer[1] = '\0';
        }
        return 0;
    }
    const std::wstring sectionText = WideText(section);
    std::wstring lines(buffer.size(), L'\0');
    const DWORD count = ::GetPrivateProfileSectionW(sectionText.c_str(), lines.data(),
                                                    BufferSize(lines.size()), file.c_str());
    // The lines with the NUL after each; the listing's closing NULs follow.
    const std::size_t copied = CopyAsWindows1252(std::wstring_view(lines).substr(0, count),
                                                 buffer.first(buffer.size() - 2));
    buffer[copied] = '\0';
    buffer[copied + 1] = '\0';
    return copied;
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

} // namespace karusello::ini

#include "windows/check/Win32CheckPlatform.h"

#include "windows/system/ScreenDpi.h"
#include "windows/system/UniqueHandle.h"
#include "windows/system/Utf16.h"

#include <windows.h>

namespace karusello::check {

namespace {

// The system's text for an error number, on one line.
std::string SystemMessage(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length > 0 && buffer != nullptr ? std::wstring(buffer, length) : L"";
    ::LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' ||
                             text.back() == L'.')) {
        text.pop_back();
    }
    const std::string number = "error " + std::to_string(error);
    return text.empty() ? number : win32::Utf8FromWide(text) + ", " + number;
}

// Opens the file and closes it again: OPEN_EXISTING creates nothing and truncates nothing, and
// sharing everything leaves the host's own opening of the file undisturbed.
bool Opens(const std::wstring& path, DWORD access, std::string& reason) {
    const win32::UniqueHandle file(
        ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        reason = SystemMessage(::GetLastError());
        return false;
    }
    return true;
}

// "1252  (ANSI - Latin I)" as the system names it: the text in the parentheses.
// True when every character of the text has its own byte in the system's ANSI code page.
bool FitsTheCodePage(const std::string& utf8) {
    const std::wstring wide = win32::WideFromUtf8(utf8);
    if (wide.empty()) {
        return true;
    }
    BOOL lossy = FALSE;
    const int needed =
        ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                              static_cast<int>(wide.size()), nullptr, 0, nullptr, &lossy);
    return needed > 0 && lossy == FALSE;
}

std::string CodePageName(UINT codePage) {
    CPINFOEXW info{};
    if (::GetCPInfoExW(codePage, 0, &info) == FALSE) {
        return {};
    }
    std::wstring name = info.CodePageName;
    const auto open = name.find(L'(');
    const auto close = name.rfind(L')');
    if (open != std::wstring::npos && close != std::wstring::npos && close > open) {
        name = name.substr(open + 1, close - open - 1);
    }
    return win32::Utf8FromWide(name);
}

int SystemBits() {
    if (sizeof(void*) == 8) {
        return 64;
    }
    BOOL wow64 = FALSE;
    return ::IsWow64Process(::GetCurrentProcess(), &wow64) != FALSE && wow64 != FALSE ? 64 : 32;
}

} // namespace

FileAccess Win32CheckPlatform::Access(const std::string& path) {
    FileAccess access;
    const std::wstring wide = win32::WideFromUtf8(path);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
            access.exists = true;
            access.reason = SystemMessage(error);
        }
        return access;
    }
    access.exists = true;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        access.reason = "a folder, no file";
        return access;
    }
    access.readable = Opens(wide, GENERIC_READ, access.reason);
    if (!access.readable) {
        return access;
    }
    // Also where the system would let this user open it for writing anyway (an administrator,
    // or Wine for root): the profile functions refuse a file with this attribute.
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        access.reason = "the file is write-protected (read-only)";
        return access;
    }
    access.writable = Opens(wide, GENERIC_WRITE, access.reason);
    return access;
}

SystemFacts Win32CheckPlatform::System(const std::string& programFolder) {
    SystemFacts facts;
    const UINT codePage = ::GetACP();
    facts.codePage = CodePage{codePage, CodePageName(codePage), FitsTheCodePage(programFolder)};
    facts.bitness = Bitness{static_cast<int>(sizeof(void*) * 8), SystemBits()};
    facts.display = DisplayScaling{ScreenDpi().x, ::IsProcessDPIAware() != FALSE};
    return facts;
}

} // namespace karusello::check

#include "core/os/ExecutablePath.h"

#include "windows/system/Utf16.h"

#include <windows.h>

namespace karusello::os {

// GetModuleFileName cuts a path that does not fit and says so only by filling the buffer, so
// the buffer grows until the path fits (Windows paths can reach 32767 characters).
std::optional<std::string> ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return std::nullopt;
        }
        if (length < path.size()) {
            path.resize(length);
            return win32::Utf8FromWide(path);
        }
        if (path.size() >= 32768) {
            return std::nullopt;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace karusello::os

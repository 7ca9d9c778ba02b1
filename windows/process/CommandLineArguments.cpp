#include "windows/process/CommandLineArguments.h"

#include <windows.h>

#include <algorithm>

namespace karusello {

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

bool SameIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() &&
           (a.empty() || ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL);
}

// The length of the own path that the command line begins with, unquoted; 0 when none does.
std::size_t OwnPathAtStart(std::wstring_view commandLine, const std::vector<std::wstring>& paths) {
    std::size_t longest = 0;
    for (const std::wstring& path : paths) {
        const std::size_t length = path.size();
        if (length > longest && length <= commandLine.size() &&
            (length == commandLine.size() || IsBlank(commandLine[length])) &&
            SameIgnoringCase(commandLine.substr(0, length), path)) {
            longest = length;
        }
    }
    return longest;
}

void AddWithAndWithoutExe(std::vector<std::wstring>& forms, const std::wstring& path) {
    if (path.empty() || std::find(forms.begin(), forms.end(), path) != forms.end()) {
        return;
    }
    forms.push_back(path);
    constexpr std::wstring_view exe = L".exe";
    if (path.size() > exe.size() &&
        SameIgnoringCase(std::wstring_view(path).substr(path.size() - exe.size()), exe)) {
        forms.push_back(path.substr(0, path.size() - exe.size()));
    }
}

} // namespace

std::vector<std::wstring> OwnPathForms(const std::wstring& modulePath) {
    std::vector<std::wstring> forms;
    AddWithAndWithoutExe(forms, modulePath);
    const DWORD needed = ::GetShortPathNameW(modulePath.c_str(), nullptr, 0);
    if (needed > 0) {
        std::wstring shortPath(needed, L'\0');
        const DWORD length = ::GetShortPathNameW(modulePath.c_str(), shortPath.data(), needed);
        if (length > 0 && length < needed) {
            shortPath.resize(length);
            AddWithAndWithoutExe(forms, shortPath);
        }
    }
    return forms;
}

std::wstring ArgumentsOf(std::wstring_view commandLine, const std::vector<std::wstring>& ownPaths) {
    std::size_t at = 0;
    if (!commandLine.empty() && commandLine.front() == L'"') {
        const std::size_t close = commandLine.find(L'"', 1);
        at = close == std::wstring_view::npos ? commandLine.size() : close + 1;
    } else {
        at = OwnPathAtStart(commandLine, ownPaths);
    }
    while (at < commandLine.size() && !IsBlank(commandLine[at])) {
        ++at;
    }
    while (at < commandLine.size() && IsBlank(commandLine[at])) {
        ++at;
    }
    return std::wstring(commandLine.substr(at));
}

} // namespace karusello

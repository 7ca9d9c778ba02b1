#include "windows/process/CommandLineArguments.h"

namespace karusello {

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

} // namespace

// The program's path is read the way the system reads it to start the program: a quoted path
// ends at the next quote, an unquoted one at the first blank or tab.
std::wstring ArgumentsOf(std::wstring_view commandLine) {
    std::size_t at = 0;
    if (!commandLine.empty() && commandLine.front() == L'"') {
        const std::size_t close = commandLine.find(L'"', 1);
        at = close == std::wstring_view::npos ? commandLine.size() : close + 1;
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

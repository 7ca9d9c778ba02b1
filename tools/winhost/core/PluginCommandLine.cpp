#include "tools/winhost/core/PluginCommandLine.h"

#include "windows/system/Utf16.h"

namespace karusello::hostsim {

std::wstring PluginCommandLine(const std::filesystem::path& program,
                               const std::vector<std::string>& arguments, bool quoted) {
    std::wstring line = quoted ? L"\"" + program.wstring() + L"\"" : program.wstring();
    for (const std::string& argument : arguments) {
        line += L" " + win32::WideFromUtf8(argument);
    }
    return line;
}

} // namespace karusello::hostsim

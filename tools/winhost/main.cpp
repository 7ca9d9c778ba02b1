// winhost: a stand-in for the Brisolan host on Windows, to try and test the plug-in under Wine
// or on a Windows PC without the real host. See docs/windows.md.

#include "tools/winhost/WinHostRun.h"
#include "tools/winhost/core/WinHostOptions.h"
#include "windows/system/Utf16.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

// The arguments after the program's name, in UTF-8, from the wide command line: the ANSI argv
// would lose every character outside the code page.
std::vector<std::string> Arguments() {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide != nullptr && i < count; ++i) {
        arguments.push_back(karusello::win32::Utf8FromWide(wide[i]));
    }
    ::LocalFree(wide);
    return arguments;
}

} // namespace

int main() {
    using namespace karusello::hostsim;
    // Answers and message lines end with a bare line feed, as hostsim's do.
    _setmode(_fileno(stdout), _O_BINARY);
    HostOptions options;
    try {
        options = ParseWinHostOptions(Arguments());
    } catch (const UsageError& error) {
        std::cerr << "winhost: " << error.what() << "\n" << WinHostUsage();
        return 2;
    }
    if (options.help) {
        std::cout << WinHostUsage();
        return 0;
    }
    try {
        return RunWinHost(options);
    } catch (const std::exception& error) {
        std::cerr << "winhost: " << error.what() << std::endl;
        return 1;
    }
}

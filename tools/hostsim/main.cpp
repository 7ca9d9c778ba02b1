// hostsim: a stand-in for the Brisolan host on Linux. See docs/hostsim.md.

#include "tools/hostcore/HostOptions.h"
#include "tools/hostsim/HostRun.h"
#include "tools/hostsim/core/HostUsage.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    using namespace karusello::hostsim;
    HostOptions options;
    try {
        options = ParseHostOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& error) {
        std::cerr << "hostsim: " << error.what() << "\n" << HostUsage();
        return 2;
    }
    if (options.help) {
        std::cout << HostUsage();
        return 0;
    }
    try {
        return options.windows ? RunWithWindows(argv[0], options)
                               : RunWithoutWindows(argv[0], options);
    } catch (const std::exception& error) {
        std::cerr << "hostsim: " << error.what() << std::endl;
        return 1;
    }
}

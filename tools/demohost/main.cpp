// karusello-demohost: creates a demo host folder (INI file, playlist database, skin folder) for
// trying and testing the plug-in without the real host.
#include "tools/demohost/DemoHost.h"

#include <exception>
#include <iostream>

namespace {

enum ExitCode { kCreated = 0, kFailed = 1, kBadUsage = 2, kExists = 3 };

} // namespace

int main(int argc, char** argv) {
    using namespace karusello::demohost;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (WantsHelp(arguments)) {
        std::cout << UsageText();
        return kCreated;
    }
    try {
        const DemoHostFiles files = CreateDemoHost(ParseArguments(arguments));
        std::cout << "host INI file: " << files.ini.string() << '\n'
                  << "database:      " << files.database.string() << '\n'
                  << "skin folder:   " << files.skinFolder.string() << '\n';
        return kCreated;
    } catch (const UsageError& e) {
        std::cerr << "karusello-demohost: " << e.what() << "\n\n" << UsageText();
        return kBadUsage;
    } catch (const ExistingFilesError& e) {
        std::cerr << "karusello-demohost: " << e.what() << '\n';
        return kExists;
    } catch (const std::exception& e) {
        std::cerr << "karusello-demohost: " << e.what() << '\n';
        return kFailed;
    }
}

#include "tools/demohost/DemoArguments.h"

#include <algorithm>
#include <charconv>

namespace karusello::demohost {

namespace {

// More entries than a station playlist ever holds would only fill the disk.
constexpr int kMaxEntries = 10'000'000;

int ParseCount(const std::string& option, const std::string& text) {
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0 ||
        value > kMaxEntries) {
        throw UsageError(option + " needs a number from 0 to " + std::to_string(kMaxEntries) +
                         ", not '" + text + "'");
    }
    return value;
}

} // namespace

bool WantsHelp(const std::vector<std::string>& arguments) {
    return std::any_of(arguments.begin(), arguments.end(),
                       [](const std::string& a) { return a == "--help" || a == "-h"; });
}

DemoOptions ParseArguments(const std::vector<std::string>& arguments) {
    DemoOptions options;
    bool haveFolder = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size()) {
                throw UsageError(argument + " needs a value");
            }
            return arguments[++i];
        };
        if (argument == "--entries") {
            options.entries = ParseCount(argument, value());
        } else if (argument == "--big") {
            options.big = ParseCount(argument, value());
        } else if (argument == "--skin") {
            options.skin = value();
        } else if (argument == "--force") {
            options.force = true;
        } else if (argument.starts_with("-") && argument != "-") {
            throw UsageError("unknown option " + argument);
        } else if (haveFolder) {
            throw UsageError("only one folder, not also '" + argument + "'");
        } else if (argument.empty()) {
            throw UsageError("the folder must not be empty");
        } else {
            options.folder = argument;
            haveFolder = true;
        }
    }
    if (!haveFolder) {
        throw UsageError("no folder given");
    }
    return options;
}

std::string UsageText() {
    return "usage: karusello-demohost <folder> [--entries N] [--big N] [--skin FILE] [--force]\n"
           "\n"
           "Creates a demo host in <folder>: brisolan.ini (section Global with SkinFileName and\n"
           "DBName), the playlist database brisolan.mdb (SQLite) and the folder skin.\n"
           "  --entries N  entries of playlist 17 \"Morgenshow\" (default 300)\n"
           "  --big N      adds playlist 99 with N entries (e.g. 400000)\n"
           "  --skin FILE  copies FILE into skin/brisolan.skn\n"
           "  --force      replaces an existing brisolan.ini and brisolan.mdb\n";
}

} // namespace karusello::demohost

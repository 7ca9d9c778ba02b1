#include "tools/hostsim/core/HostSetup.h"

#include "tools/demohost/DemoHost.h"
#include "tools/hostcore/HostIni.h"
#include "tools/hostcore/PluginLink.h"

#include <stdexcept>

namespace karusello::hostsim {

namespace fs = std::filesystem;

namespace {

// Creates the demo host unless the folder already holds a host (its INI file and database),
// which is then opened as it is.
void CreateUnlessThere(const HostOptions& options, const fs::path& folder) {
    if (fs::exists(folder / demohost::kIniFileName) &&
        fs::exists(folder / demohost::kDatabaseFileName)) {
        return;
    }
    demohost::DemoOptions demo;
    demo.folder = folder;
    demo.big = options.big;
    demo.skin = options.skin;
    try {
        demohost::CreateDemoHost(demo);
    } catch (const demohost::ExistingFilesError& error) {
        throw std::runtime_error("the folder holds part of a host only: " +
                                 std::string(error.what()));
    }
}

} // namespace

PreparedHost PrepareHost(const HostOptions& options) {
    PreparedHost host;
    host.folder = fs::absolute(options.host);
    if (options.create) {
        CreateUnlessThere(options, host.folder);
    }
    if (!fs::is_directory(host.folder)) {
        throw std::runtime_error("no host folder " + host.folder.string());
    }
    host.plugin = options.plugin ? InstallPlugin(fs::absolute(*options.plugin), host.folder)
                                 : host.folder / "karusello";
    host.database = HostIni(host.folder).DatabasePath();
    if (!fs::is_regular_file(host.database)) {
        throw std::runtime_error("no playlist database " + host.database.string());
    }
    return host;
}

} // namespace karusello::hostsim

#include "bench/HostDatabases.h"

#include "tools/demohost/DemoHost.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

namespace karusello::bench {

namespace fs = std::filesystem;

namespace {

void WriteInstalledIni(const BenchHost& host) {
    const std::string text = demohost::HostIniText(host.database) +
                             "Handle.DB=1\r\nHandle.DJ=2\r\n\r\n"
                             "[PLUGIN]\r\nkarusello=karusello\r\n";
    std::ofstream(host.folder / demohost::kIniFileName, std::ios::binary | std::ios::trunc) << text;
}

// The host's index is the only difference; VACUUM leaves no free pages behind where it was.
void DropIndex(const fs::path& database) {
    SQLite::Database db(database.string(), SQLite::OPEN_READWRITE);
    db.exec("DROP INDEX pl_all_pnid_plid");
    db.exec("VACUUM");
}

} // namespace

HostDatabases& HostDatabases::Instance() {
    static HostDatabases databases;
    return databases;
}

HostDatabases::~HostDatabases() {
    for (const auto& [storage, root] : roots_) {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
}

const fs::path& HostDatabases::Root(Storage storage) {
    if (const auto found = roots_.find(storage); found != roots_.end()) {
        return found->second;
    }
    const fs::path parent =
        storage == Storage::Ram ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string templ = (parent / "karusello-bench-XXXXXX").string();
    if (::mkdtemp(templ.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder in " + parent.string());
    }
    return roots_.emplace(storage, fs::path(templ)).first->second;
}

fs::path HostDatabases::NewFolder(const std::string& name, Storage storage) {
    const fs::path folder = Root(storage) / name;
    fs::create_directories(folder);
    return folder;
}

const BenchHost& HostDatabases::For(int entries, bool withIndex, Storage storage) {
    const auto key = std::make_tuple(entries, withIndex, storage);
    if (const auto found = hosts_.find(key); found != hosts_.end()) {
        return found->second;
    }
    std::clog << "building a demo host with " << entries << " entries"
              << (withIndex ? "" : ", without index") << (storage == Storage::Ram ? ", in RAM" : "")
              << " ..." << std::endl;
    demohost::DemoOptions options;
    options.folder =
        NewFolder("host-" + std::to_string(entries) + (withIndex ? "" : "-noindex"), storage);
    options.entries = kSmallEntries;
    options.big = entries;
    const demohost::DemoHostFiles files = demohost::CreateDemoHost(options);
    BenchHost host{options.folder, files.database};
    if (!withIndex) {
        DropIndex(host.database);
    }
    WriteInstalledIni(host);
    return hosts_.emplace(key, host).first->second;
}

} // namespace karusello::bench

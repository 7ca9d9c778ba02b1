#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <tuple>

namespace karusello::bench {

// Every benchmark database is a demo host: the large playlist holds the measured number of
// entries, "Morgenshow" holds kSmallEntries, and a few small playlists sit beside them.
inline constexpr std::int32_t kBigPlaylist = 99;
inline constexpr std::int32_t kSmallPlaylist = 17;
inline constexpr int kSmallEntries = 400;

// Where a host's files lie: in the temporary folder (a disk, where every commit waits for the
// disk to confirm the write), or in RAM (tmpfs in /dev/shm, where that wait costs nothing and
// what remains is the work of the processor).
enum class Storage { Disk, Ram };

// A host folder: its INI file names the database and two host window handles and lists the
// plug-in as installed, so that the window loads without a first-run end.
struct BenchHost {
    std::filesystem::path folder;
    std::filesystem::path database;
};

// The host folders of one run, built on first use in one temporary folder and removed with it
// at the end, so that every size is generated once per run and not per iteration.
class HostDatabases {
public:
    static HostDatabases& Instance();
    ~HostDatabases();

    // The host whose large playlist has `entries` entries; without the index on pl_all(pnid,
    // plid), when asked, to show what the queries cost on a host that lacks it.
    const BenchHost& For(int entries, bool withIndex = true, Storage storage = Storage::Disk);
    // A fresh folder inside the run's temporary folder.
    std::filesystem::path NewFolder(const std::string& name, Storage storage = Storage::Disk);

private:
    HostDatabases() = default;
    const std::filesystem::path& Root(Storage storage);

    std::map<Storage, std::filesystem::path> roots_;
    std::map<std::tuple<int, bool, Storage>, BenchHost> hosts_;
};

} // namespace karusello::bench

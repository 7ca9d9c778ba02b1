#pragma once

#include "core/playlistdb/DBEngine.h"
#include "tools/hostcore/PlaylistStore.h"

#include <string>

namespace karusello::hostsim {

// The host's playlists read through the program's own database layer, with whichever driver
// the engine has (ODBC on Windows, where the stand-in host has no SQLite library of its own).
// Each read opens the file, runs read-only queries and closes it again. It only reads: the
// changes throw std::runtime_error. The database layer's errors are std::runtime_errors too.
class DaoPlaylistStore : public PlaylistStore {
public:
    DaoPlaylistStore(dao::DBEngine& engine, std::string path);

    std::vector<PlaylistInfo> Playlists() const override;
    std::optional<Playlist> Read(std::int32_t nid) const override;
    void Rename(std::int32_t nid, const std::string& name) override;
    void SetGrid(std::int32_t nid, std::optional<std::int32_t> grid) override;
    void Delete(std::int32_t nid) override;
    std::int32_t AddEntries(std::int32_t nid, std::int32_t count) override;
    std::int32_t RemoveEntries(std::int32_t nid, std::int32_t count,
                               std::optional<std::int32_t> position) override;

private:
    dao::DBEngine& engine_;
    std::string path_;
};

} // namespace karusello::hostsim

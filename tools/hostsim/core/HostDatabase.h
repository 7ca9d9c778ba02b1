#pragma once

#include "tools/hostcore/PlaylistStore.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace SQLite {
class Database;
}

namespace karusello::hostsim {

// The host's own access to its playlist database, through SQLite. Every operation opens the
// file, does its work in one transaction and closes it again, so the plug-in, which works in the
// same file, is never locked out for longer than one operation. SQLite errors throw
// std::runtime_error.
class HostDatabase : public PlaylistStore {
public:
    explicit HostDatabase(std::filesystem::path path);

    const std::filesystem::path& Path() const { return path_; }

    std::vector<PlaylistInfo> Playlists() const override;
    std::optional<Playlist> Read(std::int32_t nid) const override;
    void Rename(std::int32_t nid, const std::string& name) override;
    void SetGrid(std::int32_t nid, std::optional<std::int32_t> grid) override;
    void Delete(std::int32_t nid) override;
    std::int32_t AddEntries(std::int32_t nid, std::int32_t count) override;
    std::int32_t RemoveEntries(std::int32_t nid, std::int32_t count,
                               std::optional<std::int32_t> position) override;

private:
    SQLite::Database Open() const;
    void RequirePlaylist(SQLite::Database& db, std::int32_t nid) const;

    std::filesystem::path path_;
};

} // namespace karusello::hostsim

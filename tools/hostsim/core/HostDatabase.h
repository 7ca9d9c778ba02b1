#pragma once

#include "tools/hostsim/core/Playlist.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace SQLite {
class Database;
}

namespace karusello::hostsim {

// The host's own access to its playlist database. Every operation opens the file, does its work
// in one transaction and closes it again, so the plug-in, which works in the same file, is never
// locked out for longer than one operation. Failures throw std::runtime_error (SQLite errors
// included); a playlist that does not exist is one.
class HostDatabase {
public:
    explicit HostDatabase(std::filesystem::path path);

    const std::filesystem::path& Path() const { return path_; }

    // Every playlist, in ascending nid.
    std::vector<PlaylistInfo> Playlists() const;
    // The playlist with its entries in display order; none when pl_name has no such row.
    std::optional<Playlist> Read(std::int32_t nid) const;

    // A name of NULL is not offered: the host always stores a text.
    void Rename(std::int32_t nid, const std::string& name);
    // grid none stores NULL.
    void SetGrid(std::int32_t nid, std::optional<std::int32_t> grid);
    // Removes the playlist's row and all its entries.
    void Delete(std::int32_t nid);
    // Appends count new entries after the playlist's last one (new plids above every plid of
    // the table, sort values after the playlist's highest). Returns the new number of entries.
    std::int32_t AddEntries(std::int32_t nid, std::int32_t count);
    // Removes count entries, counted in ascending plid from the 0-based position, or the last
    // count entries without a position. Fewer are removed when the playlist has fewer. Returns
    // the new number of entries.
    std::int32_t RemoveEntries(std::int32_t nid, std::int32_t count,
                               std::optional<std::int32_t> position);

private:
    SQLite::Database Open() const;
    void RequirePlaylist(SQLite::Database& db, std::int32_t nid) const;

    std::filesystem::path path_;
};

} // namespace karusello::hostsim

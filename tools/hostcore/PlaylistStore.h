#pragma once

#include "tools/hostcore/Playlist.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace karusello::hostsim {

// The host's own access to its playlist database: what the stand-in hosts show and change.
// Failures throw std::runtime_error; a playlist that does not exist is one, for the changes.
class PlaylistStore {
public:
    virtual ~PlaylistStore() = default;

    // Every playlist, in ascending nid.
    virtual std::vector<PlaylistInfo> Playlists() const = 0;
    // The playlist with its entries in display order; none when pl_name has no such row.
    virtual std::optional<Playlist> Read(std::int32_t nid) const = 0;

    // A name of NULL is not offered: the host always stores a text.
    virtual void Rename(std::int32_t nid, const std::string& name) = 0;
    // grid none stores NULL.
    virtual void SetGrid(std::int32_t nid, std::optional<std::int32_t> grid) = 0;
    // Removes the playlist's row and all its entries.
    virtual void Delete(std::int32_t nid) = 0;
    // Appends count new entries after the playlist's last one (new plids above every plid of
    // the table, sort values after the playlist's highest). Returns the new number of entries.
    virtual std::int32_t AddEntries(std::int32_t nid, std::int32_t count) = 0;
    // Removes count entries, counted in ascending plid from the 0-based position, or the last
    // count entries without a position. Fewer are removed when the playlist has fewer. Returns
    // the new number of entries.
    virtual std::int32_t RemoveEntries(std::int32_t nid, std::int32_t count,
                                       std::optional<std::int32_t> position) = 0;
};

} // namespace karusello::hostsim

#pragma once

#include "core/playlistdb/Database.h"

#include <cstdint>
#include <optional>
#include <string>

namespace karusello::dao {

// The playlist's row in pl_name as the plug-in judges it.
struct PlaylistRow {
    bool found = false; // the name query gave a row
    // The playlist's name; nothing when it cannot be read (no row, no such field, null).
    std::optional<std::string> name;
    // True for no row, a grid playlist, and a grid flag that cannot be compared at all (no such
    // field, a text that is no number): the plug-in must not touch the playlist. A null flag
    // compares as not equal: no grid playlist.
    bool leaveAlone = true;
};

// Runs the name query for the playlist and reads its row. Throws only when the query cannot
// run; a field that cannot be read is judged as above.
PlaylistRow ReadPlaylistRow(Database& db, std::int32_t playlistId);

} // namespace karusello::dao

#pragma once

#include "core/playlistdb/Database.h"

#include <cstdint>
#include <string>

namespace karusello::dao {

// The three query texts on the host's playlist tables. The identifier is appended in decimal,
// with "-" for a negative one, so the texts are built from integers only.

// The playlist's row in pl_name.
std::string NameQuery(std::int32_t playlistId);
// One row whose field "anz" is the number of the playlist's entries.
std::string CountQuery(std::int32_t playlistId);
// The playlist's entries in ascending plid.
std::string EntryQuery(std::int32_t playlistId);

// The number of the playlist's entries, by the count query.
std::int32_t CountEntries(Database& db, std::int32_t playlistId);

} // namespace karusello::dao

#pragma once

#include "tools/demohost/DemoCatalog.h"

#include <filesystem>
#include <vector>

namespace karusello::demohost {

// Creates a new SQLite file with the host's tables pl_name and pl_all, the index on
// pl_all(pnid, plid) that the plug-in's queries use, and the given playlists with their entries.
// Entries get plid 1, 2, ... across all playlists and sid 1 .. n within each playlist. The file
// must not exist yet. All rows go in one transaction through one prepared insert.
void WriteHostDatabase(const std::filesystem::path& file, const std::vector<DemoPlaylist>& lists);

} // namespace karusello::demohost

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace karusello::hostsim {

// A row of pl_name. Name and grid may be NULL in the host's database.
struct PlaylistInfo {
    std::int32_t nid = 0;
    std::optional<std::string> name;
    std::optional<std::int32_t> grid;
};

// A row of pl_all as the host shows it.
struct PlaylistEntry {
    std::int64_t plid = 0;
    std::optional<std::int32_t> sid;
    std::string artist;
    std::string title;
    std::int32_t seconds = 0;
};

// A playlist with its entries in the host's display order: ascending sid, then plid.
struct Playlist {
    PlaylistInfo info;
    std::vector<PlaylistEntry> entries;
};

// "3:25" for 205 seconds; hours as "1:02:03".
std::string FormatDuration(std::int32_t seconds);

// The name as shown: the stored text, "(kein Name)" for NULL.
std::string DisplayName(const PlaylistInfo& info);

} // namespace karusello::hostsim

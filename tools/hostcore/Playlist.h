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

// Access's Yes/No values, as the grid column holds them.
inline constexpr std::int32_t gridYes = -1;
inline constexpr std::int32_t gridNo = 0;

// "3:25" for 205 seconds; hours as "1:02:03".
std::string FormatDuration(std::int32_t seconds);

// The name as shown: the stored text, "(kein Name)" for NULL.
std::string DisplayName(const PlaylistInfo& info);

bool IsGrid(const PlaylistInfo& info);

// The texts that both stand-in hosts show, in UTF-8.
// A playlist in the chooser: "17: Morgenshow", with " [Grid]" for a grid playlist.
std::string ChooserText(const PlaylistInfo& info);
// An entry: "Artist - Title (3:25)".
std::string EntryText(const PlaylistEntry& entry);
// The lines about the shown playlist (nid), or about its absence: the database window's
// headline, and the player window's playlist line and next entry.
struct ShownPlaylistTexts {
    std::string headline;
    std::string onAir;
    std::string next;
};
ShownPlaylistTexts TextsOfShownPlaylist(std::int32_t nid, const std::optional<Playlist>& playlist);

} // namespace karusello::hostsim

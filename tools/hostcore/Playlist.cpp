#include "tools/hostcore/Playlist.h"

#include <cstdio>

namespace karusello::hostsim {

std::string FormatDuration(std::int32_t seconds) {
    if (seconds < 0) {
        seconds = 0;
    }
    char text[32];
    const int h = seconds / 3600;
    const int m = seconds / 60 % 60;
    const int s = seconds % 60;
    if (h > 0) {
        std::snprintf(text, sizeof text, "%d:%02d:%02d", h, m, s);
    } else {
        std::snprintf(text, sizeof text, "%d:%02d", m, s);
    }
    return text;
}

std::string DisplayName(const PlaylistInfo& info) {
    return info.name ? *info.name : "(kein Name)";
}

bool IsGrid(const PlaylistInfo& info) {
    return info.grid && *info.grid == gridYes;
}

std::string ChooserText(const PlaylistInfo& info) {
    return std::to_string(info.nid) + ": " + DisplayName(info) + (IsGrid(info) ? " [Grid]" : "");
}

std::string EntryText(const PlaylistEntry& entry) {
    return entry.artist + " - " + entry.title + " (" + FormatDuration(entry.seconds) + ")";
}

ShownPlaylistTexts TextsOfShownPlaylist(std::int32_t nid, const std::optional<Playlist>& playlist) {
    if (!playlist) {
        const std::string missing = "Playliste " + std::to_string(nid) + " gibt es nicht";
        return {missing, missing, ""};
    }
    return {DisplayName(playlist->info) + " (" + std::to_string(playlist->entries.size()) +
                " Titel)" + (IsGrid(playlist->info) ? " - Grid-Playliste" : ""),
            "Playliste: " + DisplayName(playlist->info),
            playlist->entries.empty() ? "Keine Titel"
                                      : "Als Nächstes: " + EntryText(playlist->entries[0])};
}

} // namespace karusello::hostsim

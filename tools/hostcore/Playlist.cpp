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

} // namespace karusello::hostsim

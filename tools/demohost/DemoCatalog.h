#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace karusello::demohost {

// Playlists of the demo host that tests and the demo refer to.
inline constexpr std::int32_t kMorgenshowId = 17;
inline constexpr std::int32_t kGridPlaylistId = 23;
inline constexpr std::int32_t kEmptyPlaylistId = 31;
inline constexpr std::int32_t kNullGridPlaylistId = 42;
inline constexpr std::int32_t kBigPlaylistId = 99;

inline constexpr int kDefaultMorgenshowEntries = 300;

// One row of pl_name and how many entries pl_all holds for it.
struct DemoPlaylist {
    std::int32_t nid;
    std::string name;
    std::optional<std::int32_t> grid; // -1 marks a grid playlist; nullopt stores NULL
    int entries;
};

// The invented content of one entry.
struct DemoEntry {
    std::string artist;
    std::string title;
    std::int32_t duration; // seconds
    std::string filename;
};

// The demo host's playlists: "Morgenshow" with morgenshowEntries entries, a grid playlist, an
// empty one, one with a null grid flag, two more, and with bigEntries > 0 a large one.
std::vector<DemoPlaylist> DemoPlaylists(int morgenshowEntries, int bigEntries);

// The entry at index (0-based) of playlist nid; the same arguments always give the same entry.
DemoEntry MakeEntry(std::int32_t nid, int index);

} // namespace karusello::demohost

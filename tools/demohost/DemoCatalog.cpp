#include "tools/demohost/DemoCatalog.h"

#include <array>
#include <string_view>

namespace karusello::demohost {

namespace {

// Invented names; any likeness to real artists or songs is not intended.
constexpr std::array<std::string_view, 24> kArtists = {
    "Die Wolkenschieber", "Marla Venn",        "Kapitän Kran",    "Nordlicht Express",
    "Jonna & die Jolle",  "Felix Fernweh",     "Sonntagskinder",  "Tamara Tidenhub",
    "Die Kieselsteine",   "Benno Blau",        "Luftschloss",     "Hanne Hafenrand",
    "Radio Roswitha",     "Die Uferlichter",   "Oskar Obendrauf", "Silbermöwe",
    "Lotte Lärmschutz",   "Quartett Querfeld", "Die Regenmacher", "Emil Eisblume",
    "Zugvogel Zwei",      "Paula Polarkreis",  "Die Dachdecker",  "Viktor Vielleicht"};

constexpr std::array<std::string_view, 20> kFirstWords = {
    "Sommer", "Kleiner",  "Letzter", "Heller", "Stiller", "Später",   "Neuer",
    "Blauer", "Goldener", "Ewiger",  "Wilder", "Leiser",  "Langer",   "Warmer",
    "Kalter", "Ferner",   "Roter",   "Erster", "Müder",   "Schneller"};

constexpr std::array<std::string_view, 24> kSecondWords = {
    "Regen",  "Morgen",     "Hafen",   "Wind",     "Traum",  "Sommer", "Weg",     "Tanz",
    "Himmel", "Zug",        "Strand",  "Abend",    "Mond",   "Fluss",  "Garten",  "Sturm",
    "Nebel",  "Augenblick", "Sonntag", "Horizont", "Walzer", "Funke",  "Kompass", "Leuchtturm"};

template <std::size_t N>
std::string_view Pick(const std::array<std::string_view, N>& words, long long seed) {
    return words[static_cast<std::size_t>(seed % static_cast<long long>(N))];
}

} // namespace

std::vector<DemoPlaylist> DemoPlaylists(int morgenshowEntries, int bigEntries) {
    std::vector<DemoPlaylist> playlists = {
        {5, "Mittagsmagazin", 0, 120},
        {8, "Nachtprogramm", 0, 60},
        {kMorgenshowId, "Morgenshow", 0, morgenshowEntries},
        {kGridPlaylistId, "Stundenraster", -1, 24},
        {kEmptyPlaylistId, "Neue Playliste", 0, 0},
        {kNullGridPlaylistId, "Wochenend-Hits", std::nullopt, 40},
    };
    if (bigEntries > 0) {
        playlists.push_back({kBigPlaylistId, "Großes Archiv", 0, bigEntries});
    }
    return playlists;
}

DemoEntry MakeEntry(std::int32_t nid, int index) {
    const long long i = index;
    const long long n = nid;
    DemoEntry entry;
    entry.artist = Pick(kArtists, i * 7 + n);
    entry.title = std::string(Pick(kFirstWords, i * 3 + n)) + " " +
                  std::string(Pick(kSecondWords, i * 5 + n * 7));
    entry.duration = static_cast<std::int32_t>(150 + (i * 37 + n * 11) % 200);
    entry.filename = "musik/" + std::to_string(nid) + "/" + std::to_string(index + 1) + ".mp3";
    return entry;
}

} // namespace karusello::demohost

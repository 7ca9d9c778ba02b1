#pragma once

#include "FormFakes.h"
#include "HostFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace karusello::test {

inline constexpr WindowHandle kHostDB = 0x1200001;
inline constexpr WindowHandle kHostDJ = 0x1400001;

// A host with playlist 17 of a given size and a window started on it.
class PlaylistFixture : public ::testing::Test {
protected:
    void StartOn(std::int32_t entries, std::int32_t playlistId = 17) {
        host.WriteIni(kHostDB, kHostDJ);
        host.AddPlaylist(17, "Morgenshow");
        host.AddPlaylist(18, "Leer");
        host.AddEntries(17, entries);
        host.AddEntries(19, 5, 100000); // another playlist's entries stay untouched
        ui.windows.live = {kHostDB, kHostDJ};
        ui.process.commandLine = std::to_string(playlistId);
        ASSERT_EQ(ui.Fire(FormEvent::Load), std::nullopt);
        before = host.SortValues(17);
        other = host.SortValues(19);
    }

    std::optional<ExitCode> Shuffle() { return ui.Fire(FormEvent::ShuffelClick); }
    std::optional<ExitCode> Restore() { return ui.Fire(FormEvent::WeiderherstellenClick); }

    static bool Distinct(const std::vector<std::int32_t>& values) {
        return std::set<std::int32_t>(values.begin(), values.end()).size() == values.size();
    }
    static bool AllWithin(const std::vector<std::int32_t>& values, std::int32_t low,
                          std::int32_t high) {
        return std::all_of(values.begin(), values.end(),
                           [&](std::int32_t v) { return v >= low && v <= high; });
    }

    HostFolder host;
    FormUnderTest ui;
    std::vector<std::int32_t> before;
    std::vector<std::int32_t> other;
};

// The information line of a playlist that is left alone from now on.
inline std::string LeftAloneLine(const std::string& name) {
    return "Mit Karusello kann die jeweils angezeigte Playliste neu sortieren.\n"
           "Die Playliste [ " +
           name + " ] ist gelöscht oder eine Grid-Playliste und wird nicht sortiert.";
}

inline std::vector<SentMessage> Notified(std::int32_t kind) {
    return {{kHostDB, 1042, kind, 0}, {kHostDJ, 1042, kind, 0}};
}

} // namespace karusello::test

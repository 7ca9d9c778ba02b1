#pragma once

#include "tests/support/TempFolder.h"

#include "config/RuntimeError.h"
#include "playlistdb/DBEngine.h"
#include "sqlitedb/SqliteDriver.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace karusello::dao::test {

using karusello::test::TempFolder;

// The error that an action raises; a RuntimeError with number 0 when it raises none.
template <class Action> RuntimeError ErrorOf(Action&& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error;
    }
    return RuntimeError(0, "kein Fehler");
}

// One entry row of pl_all as the tests set it up and read it back.
struct EntryRow {
    std::int64_t plid;
    std::int64_t pnid;
    std::optional<std::int64_t> sid;
    std::string title;
};

// A host database file with the host's two tables, opened through an engine with a short busy
// timeout. Playlists: 17 "Morgenshow" with entries, 23 a grid playlist, 31 empty, 40 with null
// name and grid.
class HostDatabaseTest : public ::testing::Test {
protected:
    HostDatabaseTest();

    // Adds count entries to a playlist with plid from firstPlid on and sid = 10 * (i + 1).
    void AddEntries(std::int64_t pnid, std::int64_t firstPlid, int count);
    // A second connection to the file, as the host would have it.
    SQLite::Database HostConnection() const;
    std::vector<EntryRow> Entries(std::int64_t pnid) const;

    TempFolder folder_;
    std::string path_;
    DBEngine engine_{std::make_shared<SqliteDriver>()};
};

} // namespace karusello::dao::test

#pragma once

#include "tests/support/TempFolder.h"
#include "tests/support/hostdb/DriverUnderTest.h"
#include "tests/support/hostdb/HostDb.h"

#include "core/errors/RuntimeError.h"
#include "core/playlistdb/DBEngine.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace karusello::dao::test {

using karusello::test::HostDb;
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

// The first bytes of a Jet 4 file: four bytes, then the name of its engine.
std::string AccessHeader(const std::string& engine);

// A host database file with the host's two tables, opened through an engine with a short busy
// timeout and the driver that the test program runs against. Playlists: 17 "Morgenshow" with
// entries, 23 a grid playlist, 31 empty, 40 with null name and grid.
class HostDatabaseTest : public ::testing::Test {
protected:
    HostDatabaseTest();

    // Adds count entries to a playlist with plid from firstPlid on and sid = 10 * (i + 1).
    void AddEntries(std::int64_t pnid, std::int64_t firstPlid, int count);
    // A second connection to the file, as the host would have it.
    HostDb HostConnection() const;
    std::vector<EntryRow> Entries(std::int64_t pnid) const;

    std::string WriteFile(const std::string& name, const std::string& content) const;
    static std::string Content(const std::string& file);
    RuntimeError OpenError(const std::string& file);

    TempFolder folder_;
    std::string path_;
    DBEngine engine_{karusello::test::MakeDriverUnderTest()};
};

} // namespace karusello::dao::test
